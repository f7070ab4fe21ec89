// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The panel: what the last commands came to. A noisy line can leave more
// to say than the status line has room for; the note then ends in an
// ellipsis rather than pushing the port and its counts out of sight. Its
// text, which a screen reader hears, stays whole, and so does the tooltip.
class NoteLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NoteLabel(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool isCut() const;
};
