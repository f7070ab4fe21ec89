#pragma once

// Answers the message boxes a test provokes, so none is left blocking: each
// box that comes up is recorded and its OK pressed.
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

class BoxCatcher
{
public:
    struct Box {
        QString title;
        QString text;
        QString details;  // the informative text
    };

    BoxCatcher()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    const QList<Box> &boxes() const { return m_boxes; }

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_answered)
            return;
        m_answered = box;
        m_boxes << Box{box->windowTitle(), box->text(), box->informativeText()};
        box->done(QMessageBox::Ok);
    }

    QTimer m_timer;
    QList<Box> m_boxes;
    QPointer<QMessageBox> m_answered;
};
