// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace quillon {

enum class MessageIcon { None, Critical, Question, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// What a file dialog is given. The filter is a run of entries, each a
// description, NUL, a pattern list ("*.a;*.b"), NUL.
struct FileDialogRequest {
    bool open = true;  // false: the save dialog
    QString title;
    QString initialFolder;  // empty: the dialog's own default folder
    QString filter;
    int filterIndex = 1;
    QString defaultExtension;
    QString initialFileName;
    std::uint32_t flags = 0;
};

struct FileDialogResult {
    bool accepted = false;  // false on cancel or failure
    QString path;
    std::uint32_t flags = 0;
};

// The scan job's questions, told apart by their kind, never by their text:
// a user interface (the terminal) may word and answer each in its own way.
enum class Question {
    LoadTheFeeder,   // the feeder is empty: retry, use the flatbed, or cancel
    AnotherPage,     // the flatbed: scan another page?
    TurnTheStack,    // manual duplex: scan the back sides?
    UnmatchedSides,  // manual duplex: keep every page, or the fronts only?
};

// What the program's logic needs of the desktop: modal message boxes (line
// breaks inside texts are single CR characters), the file dialogs, opening a
// web address, and where the user's desktop folder is.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    virtual MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // One of the scan job's questions; shown as any other box unless the
    // interface has its own way.
    virtual MessageAnswer Ask(Question, const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) {
        return ShowMessage(text, title, icon, buttons);
    }
    virtual FileDialogResult RunFileDialog(const FileDialogRequest& request) = 0;
    // Whether another file can be asked for after one was refused (a
    // terminal has the one path it was given, and cannot).
    virtual bool CanChooseAgain() const { return true; }
    // The desktop's result is not reported: a missing browser shows nothing.
    virtual void OpenWebAddress(const QString& address) = 0;
    // The user's desktop folder, or the empty text when there is none.
    virtual QString DesktopFolder() = 0;
};

}  // namespace quillon
