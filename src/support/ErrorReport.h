// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace quillon {

class UserInterface;

// "Quillon Error Message", in the user's language: the uniform report's title,
// which the scan job's own validation messages share.
QString ErrorMessageTitle();

// A failure inside the program's own code: a number and a description, as the
// uniform error report shows them.
class Failure : public std::runtime_error {
public:
    Failure(int number, QString description);
    int number() const { return number_; }
    const QString& description() const { return description_; }

private:
    int number_;
    QString description_;
};

// Failure numbers of our own code.
constexpr int kFailureTypeMismatch = 13;     // a text that is no number where one is needed
constexpr int kFailureOutOfMemory = 7;
constexpr int kFailureInternal = 51;         // anything else unexpected

// A text that should be a number and is not.
[[noreturn]] void ThrowTypeMismatch(const QString& text);

// "ERROR: #" + number + " " + description.
QString ErrorReportText(int number, const QString& description);

// The one critical box for an unexpected failure.
void ReportError(UserInterface& ui, int number, const QString& description);

// Reports the exception being handled; call only inside a catch block.
void ReportCurrentFailure(UserInterface& ui);

}  // namespace quillon
