// SPDX-License-Identifier: GPL-3.0-or-later
#include "comboaccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLineEdit>

namespace {

// What Qt's own combo box interface offers (the list as the first child,
// the text field of an editable box as the second, opening the list), with
// the name and the description of its own.
class ComboAccessible : public QAccessibleWidget
{
public:
    explicit ComboAccessible(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text t) const override
    {
        const QString value = box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
        if (t == QAccessible::Value)
            return value;
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name)
            return own.isEmpty() ? value : own;  // nothing names it: the item is better than silence
        if (t != QAccessible::Description || !box()->accessibleDescription().isEmpty())
            return own;
        // A box the window does not describe still says what it offers.
        const QString offered = QCoreApplication::translate("ComboAccessible", "one of %1").arg(items());
        return own.isEmpty() ? offered : offered + QLatin1String("; ") + own;
    }

    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == box()->view())
            return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }

    QString items() const
    {
        QStringList texts;
        for (int i = 0; i < box()->count(); ++i)
            texts << box()->itemText(i);
        return texts.join(QLatin1String(", "));
    }
};

// A screen reader finds a closed box's item where it finds an open one's:
// the item selected in its list. Qt selects it only while the list is open.
void selectCurrentItem(QComboBox *box)
{
    const QModelIndex current = box->model()->index(box->currentIndex(), box->modelColumn(), box->rootModelIndex());
    box->view()->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
}

QAccessibleInterface *comboFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QComboBox") || !object || !object->isWidgetType())
        return nullptr;
    auto *box = static_cast<QComboBox *>(object);
    selectCurrentItem(box);
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] { selectCurrentItem(box); });
    return new ComboAccessible(box);
}

}  // namespace

void installComboAccessible()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(comboFactory);
    installed = true;
}
