// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the modal dialogs a command opens, one step per dialog, in order,
// so that no test ever waits on a dialog nobody answers. A dialog nobody
// planned for, or any dialog after the time is up, is closed; it fails the
// test when the script ends, as does a planned dialog that never came. Only
// one script may be alive at a time.

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class ModalScript
{
public:
    using Answer = std::function<void(QWidget *)>;

    ModalScript() { poll(); }
    ~ModalScript()
    {
        for (const auto &step : m_steps)
            m_unexpected << QStringLiteral("no %1 came").arg(QLatin1String(step.first));
        if (!m_unexpected.isEmpty())
            QTest::qFail(qPrintable(m_unexpected.join(u", ")), __FILE__, __LINE__);
    }

    // The next modal dialog inheriting `className` gets `answer`.
    ModalScript &then(const char *className, Answer answer)
    {
        m_steps.push_back({className, std::move(answer)});
        return *this;
    }

    bool done() const { return m_steps.empty(); }

private:
    void poll()
    {
        // A timer of its own for every poll: an answer that opens a nested
        // dialog is still running when the next poll is due.
        QTimer::singleShot(10, m_context.get(), [this] { poll(); });
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || (modal == m_last && !m_deadline.hasExpired()))
            return;
        if (m_steps.empty() || m_deadline.hasExpired()) {
            m_unexpected << QString::fromLatin1(modal->metaObject()->className()) + u' ' + modal->windowTitle();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            return;
        }
        if (!modal->inherits(m_steps.front().first))
            return;
        m_last = modal;
        const Answer answer = std::move(m_steps.front().second);
        m_steps.pop_front();
        answer(modal);
    }

    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
    std::deque<std::pair<const char *, Answer>> m_steps;
    QPointer<QWidget> m_last;
    QStringList m_unexpected;
    QDeadlineTimer m_deadline{15000};
};

// Types `path` into the file dialog and accepts it.
inline ModalScript::Answer chooseFile(const QString &path)
{
    return [path](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();  // QFileDialog's checks run all the same
    };
}

// What a message box said when it was answered.
struct MessageSeen {
    QString text;
    QString details;  // the informative text
};

// Presses `button` in the message box.
inline ModalScript::Answer press(QMessageBox::StandardButton button, MessageSeen *seen = nullptr)
{
    return [button, seen](QWidget *w) {
        auto *box = static_cast<QMessageBox *>(w);
        if (seen)
            *seen = {box->text(), box->informativeText()};
        box->button(button)->click();
    };
}

inline void reject(QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); }

// Clicks the named button of the dialog.
inline ModalScript::Answer click(const char *buttonName)
{
    return [buttonName](QWidget *w) { w->findChild<QAbstractButton *>(QLatin1String(buttonName))->click(); };
}
