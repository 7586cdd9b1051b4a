// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleNamedList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace quillon {

AccessibleNamedList::AccessibleNamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox* AccessibleNamedList::list() const { return static_cast<QComboBox*>(widget()); }

QString AccessibleNamedList::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Name: return list()->accessibleName();
        case QAccessible::Value: return list()->currentText();
        default: return QAccessibleWidget::text(kind);
    }
}

QAccessible::State AccessibleNamedList::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = list()->isEditable();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    return state;
}

int AccessibleNamedList::childCount() const { return list()->lineEdit() ? 2 : 1; }

QAccessibleInterface* AccessibleNamedList::child(int index) const {
    if (index == 0) return QAccessible::queryAccessibleInterface(list()->view());
    if (index == 1 && list()->lineEdit()) return QAccessible::queryAccessibleInterface(list()->lineEdit());
    return nullptr;
}

int AccessibleNamedList::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    if (child->object() == list()->view()) return 0;
    if (list()->lineEdit() && child->object() == list()->lineEdit()) return 1;
    return -1;
}

QStringList AccessibleNamedList::actionNames() const { return {showMenuAction(), pressAction()}; }

void AccessibleNamedList::doAction(const QString& actionName) {
    if (actionName != showMenuAction() && actionName != pressAction()) return;
    if (list()->view()->isVisible()) list()->hidePopup();
    else list()->showPopup();
}

void InstallAccessibleNamedLists() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            auto* list = className == QLatin1String("QComboBox") ? qobject_cast<QComboBox*>(object) : nullptr;
            return list && !list->accessibleName().isEmpty() ? new AccessibleNamedList(list) : nullptr;
        });
        return true;
    }();
    (void)installed;
}

}  // namespace quillon
