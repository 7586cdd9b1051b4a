// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace quillon {

// How a screen reader sees a drop-down list that has been given a name: by
// that name ("DPI"), with the chosen item as its value. Qt's own combo box
// on Linux gives its current text as the name, so a list would be
// announced as "200" rather than as what it sets.
class AccessibleNamedList : public QAccessibleWidget {
public:
    explicit AccessibleNamedList(QComboBox* list);
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    // Its parts: the list of items, and the edit field of an editable list.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QComboBox* list() const;
};

// Makes every QComboBox with an accessible name such a list; installed once,
// before the window is shown.
void InstallAccessibleNamedLists();

}  // namespace quillon
