// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathlabel.h"

#include <QDir>

PathLabel::PathLabel(QWidget *parent)
    : QLabel(parent)
{
    setWordWrap(true);
    // Its width is the layout's to give: a path as wide as it likes would
    // push the window past the screen's edge.
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    setSizePolicy(policy);
}

void PathLabel::setPathText(const QString &text, const QString &path)
{
    m_text = text;
    m_path = QDir::toNativeSeparators(path);
    setToolTip(m_path);
    // A screen reader reads the path whole.
    setAccessibleName(m_path.isEmpty() ? m_text : m_text.arg(m_path));
    fit();
}

void PathLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

// The path alone takes at most one line; the words around it wrap.
void PathLabel::fit()
{
    if (m_path.isEmpty()) {
        setText(m_text);
        return;
    }
    const int room = contentsRect().width() - 2 * margin();
    const QString shown = m_text.arg(fontMetrics().elidedText(m_path, Qt::ElideMiddle, room));
    if (shown != text())
        setText(shown);
}
