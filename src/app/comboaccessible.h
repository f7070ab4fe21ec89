// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names every combo box on the accessibility bus as the window labels it
// (its accessible name, else its label) and keeps its current item as its
// value. On Linux, Qt's own interface gives a combo box its current item as
// its name, so a screen reader hears "OFF", "CH1", "INH" from box after box
// and cannot tell them apart. Safe to call more than once.
void installComboAccessible();
