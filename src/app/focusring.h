// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's own styles mark the keyboard focus faintly: Fusion with a thin line
// of the highlight colour, Windows with a dotted rectangle and, on a spin
// box, with nothing but the caret. Whoever works the window from the
// keyboard must see at a glance where the keys go: this rings the control
// with the focus, any control of the program, in the colour of the window's
// text, outside the control, so that no box's size or room for its text
// changes. Safe to call more than once.
void installFocusRing();
