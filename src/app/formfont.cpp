// SPDX-License-Identifier: GPL-3.0-or-later
#include "formfont.h"

#include "editorfont.h"

#include <QFont>
#include <QWidget>

// The form was laid out for a font whose Latin letters are narrow and whose
// Chinese characters and full-width colons fill a square: WenQuanYi Micro
// Hei draws both, at 12 pixels, within its boxes. The editor carries its
// own copy, so that no system draws the form in another font.
void useFormFont(QWidget *root)
{
    QFont font(editorFontFamily());
    font.setPixelSize(12);
    // Glyphs as wide as the font draws them, not widened to whole pixels by
    // hinting as one system's font engine would and another's would not.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    root->setFont(font);
    // Texts the form sizes in points get the pixels those points had at 96
    // dots per inch, where the form was laid out, so that a screen set to
    // more dots does not grow them out of their boxes.
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->testAttribute(Qt::WA_SetFont) || w->font().pointSizeF() <= 0)
            continue;
        QFont own = w->font();
        own.setPixelSize(qRound(own.pointSizeF() * 96 / 72));
        w->setFont(own);
    }
}
