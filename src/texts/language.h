// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLocale;

// The editor speaks Chinese, the language its texts were first written in,
// or English.
enum class Language { Chinese, English };

// Chinese for a Chinese locale, English for any other.
Language languageFor(const QLocale &locale);

// Installs the editor's texts and, where the program carries them, Qt's own
// (dialog buttons, the file dialog) in `language`, in place of those
// installed before. Every window re-texts itself on the language change
// this sends.
void setLanguage(Language language);
