// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace quillon {

// How a screen reader sees a ClickableLabel: a link named by its text, which
// its press action follows.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(QWidget* label);
    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

// Makes every ClickableLabel such a link; installed once, before the window is shown.
void InstallAccessibleLinks();

}  // namespace quillon
