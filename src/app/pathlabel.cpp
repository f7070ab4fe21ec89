// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathlabel.h"

#include "labeltextroom.h"

#include <QDir>

#include <algorithm>

PathLabel::PathLabel(QWidget *parent)
    : QLabel(parent)
{}

void PathLabel::setPathText(const QString &text, const QString &path)
{
    m_text = text;
    m_path = QDir::toNativeSeparators(path);
    setToolTip(m_path);
    // A screen reader reads the path whole.
    setAccessibleName(m_path.isEmpty() ? m_text : m_text.arg(m_path));
    fit();
}

// Asks for the room of the whole path, so the label grows back when it can;
// a wrapped label's guess at its width is left as QLabel makes it.
QSize PathLabel::sizeHint() const
{
    QSize size = QLabel::sizeHint();
    if (!wordWrap())
        size.rwidth() += fontMetrics().horizontalAdvance(m_path) - fontMetrics().horizontalAdvance(m_shown);
    return size;
}

// Down to an ellipsis for the path: QLabel's would keep the width the path
// has now, and the window could never be made narrower.
QSize PathLabel::minimumSizeHint() const
{
    QSize size = QLabel::minimumSizeHint();
    if (!m_shown.isEmpty()) {
        const int ellipsis = fontMetrics().horizontalAdvance(u'\u2026');
        size.setWidth(std::max(size.width() - fontMetrics().horizontalAdvance(m_shown) + ellipsis, ellipsis));
    }
    return size;
}

void PathLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

// Qt sends a hidden label its last resize before the label counts as visible.
void PathLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    fit();
}

void PathLabel::fit()
{
    // Until it is shown the label has no width of its own to go by.
    if (m_path.isEmpty() || !isVisible()) {
        m_shown = m_path;
        setText(m_path.isEmpty() ? m_text : m_text.arg(m_path));
        return;
    }
    int room = labelTextRoom(*this).width();
    if (!wordWrap())
        room -= fontMetrics().horizontalAdvance(m_text.arg(QString()));
    m_shown = fontMetrics().elidedText(m_path, Qt::ElideMiddle, room);
    if (m_text.arg(m_shown) != text())
        setText(m_text.arg(m_shown));
}
