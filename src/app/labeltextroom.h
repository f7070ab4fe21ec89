// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// Where a label draws its text, for labels that cut their own: inside the
// frame and margin, and a framed label's text half an x in from the side
// it keeps to, as QLabel does.
inline QRect labelTextRoom(const QLabel &label)
{
    const int indented = label.indent() >= 0      ? label.indent()
                         : label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(u'x') / 2
                                                  : 0;
    const int margin = label.margin();
    QRect room = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    if (label.alignment() & Qt::AlignLeft)
        room.setLeft(room.left() + indented);
    else if (label.alignment() & Qt::AlignRight)
        room.setRight(room.right() - indented);
    return room;
}
