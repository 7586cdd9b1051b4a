// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedUserInterface.h"

#include "support/ErrorReport.h"

namespace quillon::testing {

MessageAnswer ScriptedUserInterface::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                                 MessageButtons buttons) {
    messages.push_back({text, title, icon, buttons});
    if (onMessage) onMessage(messages.back());
    if (!messageAnswers.empty()) {
        const MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Ok;
}

FileDialogResult ScriptedUserInterface::RunFileDialog(const FileDialogRequest& request) {
    dialogRequests.push_back(request);
    if (onFileDialog) onFileDialog(request);
    if (dialogResults.empty()) return {};
    FileDialogResult result = dialogResults.front();
    dialogResults.pop_front();
    return result;
}

QString ScriptedUserInterface::DesktopFolder() {
    if (desktopLookupFails) throw Failure(-2147467259, QStringLiteral("The desktop folder could not be found."));
    return desktopFolder;
}

QStringList ScriptedUserInterface::MessageTexts() const {
    QStringList texts;
    for (const ShownMessage& message : messages) texts.append(message.text);
    return texts;
}

}  // namespace quillon::testing
