// SPDX-License-Identifier: GPL-3.0-or-later
#include "parambinding.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

using j3k::ParamKind;

ParamBinding::ParamBinding(QWidget *root)
{
    const auto &table = j3k::paramTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        m_widgets[i] = root->findChild<QWidget *>(QLatin1String(table[i].name));
        Q_ASSERT_X(m_widgets[i], "ParamBinding", table[i].name);
    }
}

j3k::ParamSet ParamBinding::read() const
{
    j3k::ParamSet params;
    const auto &table = j3k::paramTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        QWidget *w = m_widgets[i];
        switch (table[i].kind) {
        case ParamKind::Spin:
            params.set(int(i), static_cast<QSpinBox *>(w)->value());
            break;
        case ParamKind::Combo:
            // A box without a current item counts as its first item.
            params.set(int(i), qMax(0, static_cast<QComboBox *>(w)->currentIndex()));
            break;
        case ParamKind::Alarm:
            params.set(int(i), j3k::alarmTenths(static_cast<QDoubleSpinBox *>(w)->value()));
            break;
        }
    }
    return params;
}

void ParamBinding::writeOne(const j3k::ParamSet &params, int index)
{
    QWidget *w = m_widgets[std::size_t(index)];
    const int v = params.value(index);
    switch (j3k::paramTable()[std::size_t(index)].kind) {
    case ParamKind::Spin:
        static_cast<QSpinBox *>(w)->setValue(v);
        break;
    case ParamKind::Combo:
        static_cast<QComboBox *>(w)->setCurrentIndex(v);
        break;
    case ParamKind::Alarm:
        static_cast<QDoubleSpinBox *>(w)->setValue(j3k::alarmShown(v));
        break;
    }
}

void ParamBinding::write(const j3k::ParamSet &params)
{
    for (int i = 0; i < int(j3k::ParamCount); ++i)
        writeOne(params, i);
}

void ParamBinding::write(const j3k::ParamSet &params, const QList<int> &indexes)
{
    for (int i : indexes)
        writeOne(params, i);
}
