// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramdiff.h"
#include "paramset.h"
#include "transmitterstate.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

class ParamBinding;
class ParamDocument;
class QLabel;
class QWidget;

// What the document knows of the transmitter, shown to the user: the marks
// on values an UPDATE would change, the status panel's few words, and the
// values an UPDATE did not take. It shows; it keeps nothing of its own.
class TransmitterReview : public QObject
{
    Q_OBJECT

public:
    TransmitterReview(QWidget *window, ParamBinding &binding, ParamDocument &document, QLabel *panel);

    // Up to date at once; changes are otherwise shown when the event loop
    // next runs, once for any number of them.
    void refresh();

private:
    QString panelNote(QString &detail) const;
    void showNotTaken(const QList<j3k::ParamChange> &notTaken);
    void markWidget(int index, j3k::TransmitterState::Mark mark, const QString &tip);

    QWidget *m_window;
    ParamBinding &m_binding;
    ParamDocument &m_document;
    QLabel *m_panel;
    QTimer m_pendingRefresh;
    QElapsedTimer m_sinceRefresh;
    std::array<QString, j3k::ParamCount> m_formTips;
};
