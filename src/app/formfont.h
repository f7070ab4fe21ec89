// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Gives `root` and everything in it the editor's font: one family for both
// scripts, sized in pixels like the form's positions.
void useFormFont(QWidget *root);
