// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelog.h"

Q_LOGGING_CATEGORY(lcFiles, "j3k.files", QtInfoMsg)
