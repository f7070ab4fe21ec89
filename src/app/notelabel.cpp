// SPDX-License-Identifier: GPL-3.0-or-later
#include "notelabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

NoteLabel::NoteLabel(QWidget *parent)
    : QLabel(parent)
{}

// A short note whole, beside a port's path however long; a long one at
// least this much of it, and the rest of the line to share with the path.
QSize NoteLabel::minimumSizeHint() const
{
    constexpr int kShownChars = 60;
    QSize size = QLabel::minimumSizeHint();
    const int around = width() - textRoom().width();
    size.setWidth(std::min(size.width(), around + kShownChars * fontMetrics().averageCharWidth()));
    return size;
}

bool NoteLabel::isCut() const
{
    return !Qt::mightBeRichText(text()) && fontMetrics().horizontalAdvance(text()) > textRoom().width();
}

bool NoteLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && isCut()) {
        const QString whole = toolTip().isEmpty() ? text() : text() + QLatin1String("\n\n") + toolTip();
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), whole, this);
        return true;
    }
    return QLabel::event(event);
}

void NoteLabel::paintEvent(QPaintEvent *event)
{
    if (!isCut()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect room = textRoom();
    style()->drawItemText(&painter, room, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), fontMetrics().elidedText(text(), Qt::ElideRight, room.width()),
                          foregroundRole());
}

// Where QLabel puts its text: inside the frame and margin, and a framed
// label's text half an x in from the side it keeps to.
QRect NoteLabel::textRoom() const
{
    const int indented = indent() >= 0 ? indent() : frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0;
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (alignment() & Qt::AlignLeft)
        room.setLeft(room.left() + indented);
    else if (alignment() & Qt::AlignRight)
        room.setRight(room.right() - indented);
    return room;
}
