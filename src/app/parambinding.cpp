// SPDX-License-Identifier: GPL-3.0-or-later
#include "parambinding.h"

#include "paramdocument.h"
#include "paramtext.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHash>
#include <QSpinBox>

using j3k::ParamKind;

ParamBinding::ParamBinding(QWidget *root)
{
    // One walk over the form's 200 widgets rather than one search per
    // parameter: ninety searches cost a thirtieth of the editor's start.
    QHash<QString, QWidget *> byName;
    for (QWidget *w : root->findChildren<QWidget *>())
        byName.insert(w->objectName(), w);
    const auto &table = j3k::paramTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        m_widgets[i] = byName.value(QLatin1String(table[i].name));
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

void ParamBinding::bind(ParamDocument &document)
{
    write(document.values());
    for (int i = 0; i < int(j3k::ParamCount); ++i) {
        QWidget *w = m_widgets[std::size_t(i)];
        const auto edited = [this, &document, i](int value) {
            if (!m_showing)
                document.edit(i, value);
        };
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            // A combo box's choice is made in one go.
            QObject::connect(combo, &QComboBox::currentIndexChanged, &document, [this, &document, edited](int item) {
                edited(qMax(0, item));
                if (!m_showing)
                    document.commitEdits();
            });
        } else if (auto *spin = qobject_cast<QSpinBox *>(w)) {
            QObject::connect(spin, &QSpinBox::valueChanged, &document, edited);
            QObject::connect(spin, &QSpinBox::editingFinished, &document, &ParamDocument::commitEdits);
        } else if (auto *alarm = qobject_cast<QDoubleSpinBox *>(w)) {
            QObject::connect(alarm, &QDoubleSpinBox::valueChanged, &document,
                             [edited](double shown) { edited(j3k::alarmTenths(shown)); });
            QObject::connect(alarm, &QDoubleSpinBox::editingFinished, &document, &ParamDocument::commitEdits);
        }
    }
    QObject::connect(&document, &ParamDocument::valuesChanged, &document, [this, &document](const QList<int> &indexes) {
        m_showing = true;
        write(document.values(), indexes);
        m_showing = false;
    });
}

void ParamBinding::describe(int index, j3k::TransmitterState::Mark mark, const QString &held)
{
    const j3k::ParamInfo &p = j3k::paramTable()[std::size_t(index)];
    QString text = p.kind == ParamKind::Combo
                       ? tr("one of %1").arg(j3k::paramItems(index).join(QLatin1String(", ")))
                       : tr("from %1 to %2").arg(j3k::valueText(index, p.min), j3k::valueText(index, p.max));
    if (p.unit)
        text += u' ' + QLatin1String(p.unit);
    if (mark == j3k::TransmitterState::Mark::Changed)
        text = tr("%1; changed: the transmitter holds %2").arg(text, held);
    else if (mark == j3k::TransmitterState::Mark::Written)
        text = tr("%1; written, not yet confirmed").arg(text);

    // Set only when different: each change is announced.
    QWidget *w = widget(index);
    const QString name = j3k::paramLabel(index);
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
    if (w->accessibleDescription() != text)
        w->setAccessibleDescription(text);
}
