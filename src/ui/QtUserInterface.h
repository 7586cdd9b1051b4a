// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/UserInterface.h"

#include <QStringList>

class QWidget;

namespace quillon {

// The user interface seam over Qt: message boxes, the file dialogs, the desktop.
class QtUserInterface : public UserInterface {
public:
    // Dialogs and boxes are modal to the owner window, once it is set.
    void SetOwnerWindow(QWidget* owner) { owner_ = owner; }

    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
    void OpenWebAddress(const QString& address) override;
    QString DesktopFolder() override;

private:
    QWidget* owner_ = nullptr;
};

// The dialog's NUL-separated filter entries in Qt's form, one
// "description (pattern pattern)" per entry.
QStringList QtNameFilters(const QString& filter);

// Message texts break lines with single CR characters; Qt wants LF.
QString QtMessageText(const QString& text);

}  // namespace quillon
