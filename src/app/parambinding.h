// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paramset.h"

#include <QList>

#include <array>

class QWidget;

// Joins the parameter set to the editor's widgets, found once by their
// object names. Values go through the widgets' own setters, so what the
// user sees is always what the widget holds.
class ParamBinding
{
public:
    explicit ParamBinding(QWidget *root);

    j3k::ParamSet read() const;
    void write(const j3k::ParamSet &params);                             // every parameter
    void write(const j3k::ParamSet &params, const QList<int> &indexes);  // just these

    QWidget *widget(int index) const { return m_widgets[std::size_t(index)]; }

private:
    void writeOne(const j3k::ParamSet &params, int index);

    std::array<QWidget *, j3k::ParamCount> m_widgets{};
};
