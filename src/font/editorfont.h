// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// The family of the font the editor ships and draws every text in, the
// window's and the setup sheet's; loaded on the first call, which must come
// after the QGuiApplication and before the first text is laid out.
// Empty if the font could not be loaded (then Qt's default font draws).
QString editorFontFamily();
