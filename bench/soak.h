// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// bench_link --soak: READ and UPDATE through TxSession against the virtual
// transmitter, many thousand times; prints one line, returns whether every
// value came back.
bool soak();
