// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label whose text holds a path. A home, profile or device folder can be
// longer than any window is wide: the path gives way in the middle, where
// the folders that tell one path from another are least often, and the
// tooltip shows it whole. Wrapped, the path takes at most a line of its
// own; on one line, the room the rest of the text leaves.
class PathLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PathLabel(QWidget *parent = nullptr);

    // `text` with %1 for `path`; without a path, `text` as it is.
    void setPathText(const QString &text, const QString &path = {});

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fit();

    QString m_text;
    QString m_path;
    QString m_shown;  // as much of the path as fits
};
