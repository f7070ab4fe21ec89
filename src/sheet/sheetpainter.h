// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetlayout.h"

class QPainter;

namespace j3k {

// Draws `sheet` in black and grey on a painter whose device is the whole
// page (a PDF writer, or a printer set to print the full page).
void paintSheet(QPainter &painter, const Sheet &sheet);

}  // namespace j3k
