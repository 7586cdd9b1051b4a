// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/DocumentOperations.h"

#include "scan/LibraryStep.h"
#include "scan/ScannerErrors.h"
#include "scan/imaging/writers/DocumentGate.h"
#include "scan/imaging/text/TextLanguages.h"

#include <QCoreApplication>
#include <QLocale>

namespace quillon {

int DocumentOperations::Log(const QString& operation, int result) {
    Note(operation + QStringLiteral(" -> ") + QString::number(result));
    return result;
}

void DocumentOperations::Fail(int code, const QString& detail) {
    Note(QStringLiteral("error %1: %2 %3").arg(code).arg(QString::fromUtf8(ScannerErrorSourceText(code)), detail));
    session_.RecordError(code, detail);
}

void DocumentOperations::LogPageNotes() {
    for (const QString& note : session_.TakePageNotes()) Note(note);
}

void DocumentOperations::BeginJob() {
    session_.Reset();
    givingUp_ = false;
    FirstDocument();
}

void DocumentOperations::FirstDocument() {
    pagesThisJob_ = 0;
    documentOfJob_ = 1;
    separatorPassed_ = false;
}

void DocumentOperations::EndJob() {
    session_.Discard();
    session_.SetTextRecognition({});
    session_.SetCompactPages(false);
}

int DocumentOperations::TWAIN_SetJpegQuality(int quality) {
    session_.SetJpegQuality(quality);
    return Log(QStringLiteral("TWAIN_SetJpegQuality(%1)").arg(session_.jpegQuality()), 1);
}

int DocumentOperations::TWAIN_SetCompactPages(int on) {
    session_.SetCompactPages(on != 0);
    return Log(QStringLiteral("TWAIN_SetCompactPages(%1)").arg(on != 0), 1);
}

QString DocumentOperations::TWAIN_SetTextRecognition(int on, const QString& languages) {
    session_.SetTextRecognition({});
    if (on == 0) return Log("TWAIN_SetTextRecognition(0)", 1), QString();
    const TextLanguages chosen = ChooseTextLanguages(languages, QLocale::system(), TextDataDirectory());
    Log("TWAIN_SetTextRecognition(1, " + languages + ") " + (chosen.problem.isEmpty() ? chosen.codes : chosen.problem),
        chosen.problem.isEmpty() ? 1 : 0);
    if (chosen.problem.isEmpty()) session_.SetTextRecognition(chosen);
    return chosen.problem;
}

int DocumentOperations::TWAIN_AcquireToFilename(WindowHandle owner, const QString& path) {
    if (!session_.CanWriteSingleFile(path)) return Log("TWAIN_AcquireToFilename(" + path + ")", 1);
    const ImageHandle image = TWAIN_Acquire(owner);
    if (!image) return Log("TWAIN_AcquireToFilename(" + path + ")", 1);
    if (givingUp_ || DocumentGate::closed()) {
        session_.Free(image);
        Fail(kScannerErrorCancelled, QStringLiteral("the file was given up"));
        return Log("TWAIN_AcquireToFilename(" + path + ") given up", 1);
    }
    const int result = session_.WriteSingleFile(path, image);
    session_.Free(image);
    LogPageNotes();
    return Log("TWAIN_AcquireToFilename(" + path + ")", result);
}

int DocumentOperations::TWAIN_BeginMultipageFile(const QString& path) {
    FirstDocument();
    return Log("TWAIN_BeginMultipageFile(" + path + ")", session_.BeginDocument(path));
}

int DocumentOperations::TWAIN_BeginNumberedFile(const QString& firstPath, int number) {
    ++documentOfJob_;  // its pages are counted on from the document before
    separatorPassed_ = false;
    return Log(QStringLiteral("TWAIN_BeginNumberedFile(%1, %2)").arg(firstPath).arg(number),
               session_.BeginDocument(firstPath, number));
}

int DocumentOperations::TWAIN_BeginBackSides() {
    // The backs are a new batch from the feeder, counted on from the fronts.
    DropPendingPage();
    session_.BeginBackSides();
    return Log("TWAIN_BeginBackSides", 1);
}

int DocumentOperations::TWAIN_SetBackSides(int placement) {
    const BackSides backs = placement == kBackSidesLeftOut          ? BackSides::LeftOut
                            : placement == kBackSidesFromFirstSheet ? BackSides::FromFirstSheet
                                                                    : BackSides::FromLastSheet;
    session_.SetBackSides(backs);
    return Log(QStringLiteral("TWAIN_SetBackSides(%1)").arg(placement), 1);
}

int DocumentOperations::TWAIN_SetSeparatorDetection(int on) {
    session_.SetSeparatorDetection(on != 0);
    return Log(QStringLiteral("TWAIN_SetSeparatorDetection(%1)").arg(on), 1);
}

int DocumentOperations::DIB_IsSeparator(ImageHandle image) {
    const bool separator = session_.IsSeparator(image);
    if (separator) separatorPassed_ = true;  // the pages from now on are the next document's
    return Log(QStringLiteral("DIB_IsSeparator(%1)").arg(image.value), separator ? 1 : 0);
}

int DocumentOperations::DIB_IsBlank(ImageHandle image, double threshold) {
    return Log(QStringLiteral("DIB_IsBlank(%1, %2)").arg(image.value).arg(threshold), session_.IsBlank(image, threshold));
}

int DocumentOperations::TWAIN_DibWritePage(ImageHandle image) {
    return Log(QStringLiteral("TWAIN_DibWritePage(%1)").arg(image.value), session_.WritePage(image));
}

void DocumentOperations::DIB_Free(ImageHandle image) { session_.Free(image); }

int DocumentOperations::TWAIN_EndMultipageFile() {
    // A document cancelled, or cut short for want of memory, that would
    // replace a file is given up, so neither costs the older file; one with
    // nothing to replace keeps the pages scanned before.
    const int error = session_.lastErrorCode();
    const bool cutShort = error == kScannerErrorCancelled || error == kScannerErrorNoMemory;
    if (givingUp_ || DocumentGate::closed() || (cutShort && session_.replacesAFile())) {
        // Nothing of it is kept: a file already at the path stays as it was.
        session_.Discard();
        Fail(kScannerErrorCancelled, QStringLiteral("the document was given up"));
        return Log("TWAIN_EndMultipageFile given up", 1);
    }
    // Pages may still be on their way into the file (their text being read):
    // a cancel then keeps them without their text, or, where the document
    // would replace a file, gives it up.
    int result = 1;
    LibraryStep ending([&] { result = session_.EndDocument(); },
                       [this] { session_.replacesAFile() ? session_.GiveUp() : session_.SkipText(); },
                       [this] { return session_.EndingCaption(); }, [this] { return session_.SoFar(); });
    dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Saving the document..."), ending);
    if (ending.cancelled()) Fail(kScannerErrorCancelled, QStringLiteral("while the document was saved"));
    LogPageNotes();
    return Log("TWAIN_EndMultipageFile", result);
}

int DocumentOperations::TWAIN_BeginHeldPages(const QString& path) {
    FirstDocument();
    return Log("TWAIN_BeginHeldPages(" + path + ")", session_.BeginHolding(path));
}

int DocumentOperations::TWAIN_HoldPage(ImageHandle image, HeldPageKind kind) {
    return Log(QStringLiteral("TWAIN_HoldPage(%1, %2)").arg(image.value).arg(static_cast<int>(kind)), session_.HoldPage(image, kind));
}

std::vector<HeldPage> DocumentOperations::TWAIN_HeldPages() { return session_.HeldPages(); }

int DocumentOperations::TWAIN_WriteHeldPage(int index, int quarterTurns) {
    return Log(QStringLiteral("TWAIN_WriteHeldPage(%1, %2)").arg(index).arg(quarterTurns),
               session_.WriteHeldPage(index, quarterTurns));
}

void DocumentOperations::TWAIN_EndHeldPages() {
    session_.EndHolding();
    Note(QStringLiteral("TWAIN_EndHeldPages"));
}

int DocumentOperations::TWAIN_LastErrorCode() { return session_.lastErrorCode(); }

QString DocumentOperations::TWAIN_LastErrorTextVB() { return session_.lastErrorText(); }

QString DocumentOperations::TWAIN_LastCompletedFile() { return session_.lastCompletedFile(); }

QString DocumentOperations::TWAIN_LastCompletedFileNote() { return session_.lastCompletedNote(); }

}  // namespace quillon
