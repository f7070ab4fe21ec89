// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"
#include "transmitterstate.h"

#include <QCoreApplication>
#include <QList>

#include <array>

class ParamDocument;
class QWidget;

// Joins the parameter set to the editor's widgets, found once by their
// object names. Values go through the widgets' own setters, so what the
// user sees is always what the widget holds.
class ParamBinding
{
    Q_DECLARE_TR_FUNCTIONS(ParamBinding)

public:
    explicit ParamBinding(QWidget *root);

    j3k::ParamSet read() const;
    void write(const j3k::ParamSet &params);                             // every parameter
    void write(const j3k::ParamSet &params, const QList<int> &indexes);  // just these

    QWidget *widget(int index) const { return m_widgets[std::size_t(index)]; }

    // Both ways: what the user sets in a widget goes into `document` (an
    // edit, committed as a spin box's editing finishes or a combo box takes
    // an item), and the document's changes come back to the widgets whose
    // values changed, and only to those.
    void bind(ParamDocument &document);

    // What assistive technology says of a widget: the parameter's name as
    // the window labels it ("SUB-TRIM CH3"), and a description of the values
    // it takes and of its mark, in the language now installed. `held` is
    // the transmitter's value as the window shows it.
    void describe(int index, j3k::TransmitterState::Mark mark, const QString &held);

private:
    void writeOne(const j3k::ParamSet &params, int index);

    std::array<QWidget *, j3k::ParamCount> m_widgets{};
    bool m_showing = false;  // the widgets are being set from the document
};
