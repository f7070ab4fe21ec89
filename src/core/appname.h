// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace j3k {

// Names the program for its data folder (the backups live under it) and its
// remembered settings. The editor and j3kctl both call it, so both find the
// same backups.
void setApplicationNames();

}  // namespace j3k
