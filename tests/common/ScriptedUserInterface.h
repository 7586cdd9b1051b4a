// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/UserInterface.h"

#include "QtPrinters.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace quillon::testing {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

// A user interface that answers from a script and keeps what it was shown.
class ScriptedUserInterface : public UserInterface {
public:
    // Answers for message boxes, in order; when none is left, OK/Yes-less boxes get Ok,
    // question boxes get No (Yes/No) or Cancel (Yes/No/Cancel).
    std::deque<MessageAnswer> messageAnswers;
    // Results of the file dialogs, in order; when none is left, the dialog is cancelled.
    std::deque<FileDialogResult> dialogResults;
    // Runs inside a file dialog before it answers; may throw to simulate a failure.
    std::function<void(const FileDialogRequest&)> onFileDialog;
    // Runs inside every message box before it answers (to look at the window meanwhile).
    std::function<void(const ShownMessage&)> onMessage;
    QString desktopFolder;
    bool desktopLookupFails = false;

    std::vector<ShownMessage> messages;
    std::vector<FileDialogRequest> dialogRequests;
    QStringList openedAddresses;

    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
    void OpenWebAddress(const QString& address) override { openedAddresses.append(address); }
    QString DesktopFolder() override;

    // Scripts a save dialog that accepts this path.
    void Accept(const QString& path) { dialogResults.push_back({true, path, 0}); }
    void Cancel() { dialogResults.push_back({false, {}, 0}); }
    QStringList MessageTexts() const;
};

}  // namespace quillon::testing
