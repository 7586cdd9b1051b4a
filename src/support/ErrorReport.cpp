// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ErrorReport.h"

#include "support/UserInterface.h"

#include <QCoreApplication>

#include <exception>
#include <new>
#include <system_error>

namespace quillon {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ErrorReport)
};

}  // namespace

QString ErrorMessageTitle() { return Text::tr("Quillon Error Message"); }

Failure::Failure(int number, QString description)
    : std::runtime_error(description.toStdString()), number_(number), description_(std::move(description)) {}

void ThrowTypeMismatch(const QString& text) {
    throw Failure(kFailureTypeMismatch, Text::tr("Type mismatch: \"%1\" is not a number.").arg(text));
}

QString ErrorReportText(int number, const QString& description) {
    // The number as it is, in any language: no grouping, a minus sign where negative.
    return Text::tr("ERROR: #%1 %2", "a failure's number and its description")
        .arg(QString::number(number), description);
}

void ReportError(UserInterface& ui, int number, const QString& description) {
    ui.ShowMessage(ErrorReportText(number, description), ErrorMessageTitle(), MessageIcon::Critical,
                   MessageButtons::Ok);
}

void ReportCurrentFailure(UserInterface& ui) {
    try {
        throw;
    } catch (const Failure& failure) {
        ReportError(ui, failure.number(), failure.description());
    } catch (const std::bad_alloc&) {
        ReportError(ui, kFailureOutOfMemory, Text::tr("Out of memory."));
    } catch (const std::system_error& failure) {
        // A thread that cannot be started for want of memory is that, too.
        const bool memory = failure.code() == std::errc::resource_unavailable_try_again ||
                            failure.code() == std::errc::not_enough_memory;
        ReportError(ui, memory ? kFailureOutOfMemory : kFailureInternal,
                    memory ? Text::tr("Out of memory.") : QString::fromLocal8Bit(failure.what()));
    } catch (const std::exception& other) {
        ReportError(ui, kFailureInternal, QString::fromLocal8Bit(other.what()));
    } catch (...) {
        ReportError(ui, kFailureInternal, Text::tr("Unknown failure."));
    }
}

}  // namespace quillon
