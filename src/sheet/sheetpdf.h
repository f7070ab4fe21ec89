// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetfacts.h"

#include <QString>

namespace j3k {

// Writes the sheet of `facts` as a one-page PDF at `path`, in the language
// installed now. Whatever was at `path` stays as it was until the new file
// is whole, and after a failure. Empty, or why it failed.
QString writeSheetPdf(const QString &path, const SheetFacts &facts);

}  // namespace j3k
