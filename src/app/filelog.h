// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// What LOAD and SAVE read and write, file names and contents. Off unless
// asked for (QT_LOGGING_RULES="j3k.files.debug=true"): a user's paths and
// settings do not belong on a terminal by default.
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
