// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleLink.h"

#include "ui/ClickableLabel.h"

namespace quillon {

AccessibleLink::AccessibleLink(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}

QString AccessibleLink::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name) return static_cast<ClickableLabel*>(widget())->text();
    return QAccessibleWidget::text(kind);
}

QStringList AccessibleLink::actionNames() const { return {pressAction()}; }

void AccessibleLink::doAction(const QString& actionName) {
    if (actionName == pressAction()) emit static_cast<ClickableLabel*>(widget())->clicked();
}

void InstallAccessibleLinks() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className == QLatin1String("quillon::ClickableLabel") && object->isWidgetType())
                return new AccessibleLink(static_cast<QWidget*>(object));
            return nullptr;
        });
        return true;
    }();
    (void)installed;
}

}  // namespace quillon
