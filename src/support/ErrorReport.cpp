// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ErrorReport.h"

#include "support/UserInterface.h"

#include <exception>
#include <new>
#include <system_error>

namespace quillon {

Failure::Failure(int number, QString description)
    : std::runtime_error(description.toStdString()), number_(number), description_(std::move(description)) {}

void ThrowTypeMismatch(const QString& text) {
    throw Failure(kFailureTypeMismatch, QStringLiteral("Type mismatch: \"%1\" is not a number.").arg(text));
}

QString ErrorReportText(int number, const QString& description) {
    return QStringLiteral("ERROR: #") + QString::number(number) + QLatin1Char(' ') + description;
}

void ReportError(UserInterface& ui, int number, const QString& description) {
    ui.ShowMessage(ErrorReportText(number, description), kErrorMessageTitle, MessageIcon::Critical,
                   MessageButtons::Ok);
}

void ReportCurrentFailure(UserInterface& ui) {
    try {
        throw;
    } catch (const Failure& failure) {
        ReportError(ui, failure.number(), failure.description());
    } catch (const std::bad_alloc&) {
        ReportError(ui, kFailureOutOfMemory, QStringLiteral("Out of memory."));
    } catch (const std::system_error& failure) {
        // A thread that cannot be started for want of memory is that, too.
        const bool memory = failure.code() == std::errc::resource_unavailable_try_again ||
                            failure.code() == std::errc::not_enough_memory;
        ReportError(ui, memory ? kFailureOutOfMemory : kFailureInternal,
                    memory ? QStringLiteral("Out of memory.") : QString::fromLocal8Bit(failure.what()));
    } catch (const std::exception& other) {
        ReportError(ui, kFailureInternal, QString::fromLocal8Bit(other.what()));
    } catch (...) {
        ReportError(ui, kFailureInternal, QStringLiteral("Unknown failure."));
    }
}

}  // namespace quillon
