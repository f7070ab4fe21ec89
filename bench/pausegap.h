// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// bench_link --soak, after the soak: the gap between UPDATE's S and G
// records at the far end of the line, idle, with the caller's thread held
// up in each pause, and with every core busy; prints a table, returns
// whether every UPDATE got both records out.
bool pauseGapTable();
