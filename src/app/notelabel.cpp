// SPDX-License-Identifier: GPL-3.0-or-later
#include "notelabel.h"

#include "labeltextroom.h"

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
    const int around = width() - labelTextRoom(*this).width();
    size.setWidth(std::min(size.width(), around + kShownChars * fontMetrics().averageCharWidth()));
    return size;
}

bool NoteLabel::isCut() const
{
    return !Qt::mightBeRichText(text()) && fontMetrics().horizontalAdvance(text()) > labelTextRoom(*this).width();
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
    const QRect room = labelTextRoom(*this);
    style()->drawItemText(&painter, room, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), fontMetrics().elidedText(text(), Qt::ElideRight, room.width()),
                          foregroundRole());
}
