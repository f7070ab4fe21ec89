// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A wrapped label whose text holds a path. A home or profile folder can be
// longer than any window is wide: the path gives way in the middle, where
// the folders that tell one path from another are least often, and the
// tooltip shows it whole.
class PathLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PathLabel(QWidget *parent = nullptr);

    // `text` with %1 for `path`; without a path, `text` as it is.
    void setPathText(const QString &text, const QString &path = {});

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();

    QString m_text;
    QString m_path;
};
