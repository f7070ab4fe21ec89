// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace j3k {

// Names the application for QSettings and QStandardPaths: the settings in
// j3k-editor/j3k-editor.conf, the backups in the editor's data folder. The
// editor and j3kctl both call it, so both find the same backups. Also sets
// the version --version shows.
void setApplicationNames();

// Where the editor keeps its data (backups, recovery files):
// AppDataLocation without the organization's level, where the backups were
// before the application had an organization name.
QString dataFolder();

}  // namespace j3k
