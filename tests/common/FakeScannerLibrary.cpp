// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeScannerLibrary.h"

#include "scan/ScannerErrors.h"
#include "support/ErrorReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillon::testing {

namespace {

QString Number(double value) { return QString::number(value, 'g', 15); }

QString Handle(ImageHandle image) { return QStringLiteral("#%1").arg(image.value); }

// Writes the pages as lines, to a temporary file renamed over the target.
bool WriteWhole(const QString& path, const QStringList& pages) {
    const QString partial = path + QStringLiteral(".partial");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(pages.join('\n').toUtf8());
    file.close();
    QFile::remove(path);
    return QFile::rename(partial, path);
}

}  // namespace

void FakeScannerLibrary::Record(const QString& call) {
    calls.append(call);
    const QString name = call.left(call.indexOf('('));
    if (!throwOn.isEmpty() && name == throwOn && CountCalls(name + "(") == throwOnOccurrence)
        throw Failure(91, QStringLiteral("Object variable not set."));
}

int FakeScannerLibrary::CountCalls(const QString& prefix) const {
    int count = 0;
    for (const QString& call : calls) count += call.startsWith(prefix) ? 1 : 0;
    return count;
}

std::optional<FakePage> FakeScannerLibrary::NextPage() {
    if (pages.empty()) return std::nullopt;
    FakePage page = pages.front();
    pages.pop_front();
    return page;
}

int FakeScannerLibrary::TWAIN_SelectImageSource(WindowHandle owner) {
    Record(QStringLiteral("TWAIN_SelectImageSource(%1)").arg(owner));
    if (!loaded_) {  // a fresh source manager: no error and no completed file yet
        lastError_ = 0;
        lastCompleted_.clear();
    }
    loaded_ = true;
    if (selectResult == 0) lastError_ = selectError;
    return selectResult;
}

int FakeScannerLibrary::TWAIN_OpenDefaultSource() {
    Record("TWAIN_OpenDefaultSource()");
    open_ = openResult != 0;
    return openResult;
}

QString FakeScannerLibrary::TWAIN_GetSourceName() {
    Record("TWAIN_GetSourceName()");
    return sourceName;
}

int FakeScannerLibrary::TWAIN_OpenSource(const QString& name) {
    Record("TWAIN_OpenSource(" + name + ")");
    open_ = reopenResult != 0;
    return reopenResult;
}

int FakeScannerLibrary::TWAIN_CloseSource() {
    Record("TWAIN_CloseSource()");
    open_ = false;
    return 1;
}

int FakeScannerLibrary::TWAIN_DisableSource() {
    Record("TWAIN_DisableSource()");
    return 1;
}

void FakeScannerLibrary::TWAIN_UnloadSourceManager() {
    Record("TWAIN_UnloadSourceManager()");
    if (!partial_.isEmpty()) QFile::remove(partial_);  // an open document is discarded
    partial_.clear();
    target_.clear();
    images_.clear();
    loaded_ = open_ = false;
}

int FakeScannerLibrary::TWAIN_State() {
    Record("TWAIN_State()");
    if (!loaded_) return kStateNothing;
    if (!open_) return kStateManagerOpen;
    if (feederSelected_ && deliveredFromFeeder_ && !pages.empty()) return kStateTransferReady;
    return kStateSourceOpen;
}

int FakeScannerLibrary::TWAIN_LogFile(int on) { return Record(QStringLiteral("TWAIN_LogFile(%1)").arg(on)), 1; }
int FakeScannerLibrary::TWAIN_SetHideUI(int hide) { return Record(QStringLiteral("TWAIN_SetHideUI(%1)").arg(hide)), 1; }
int FakeScannerLibrary::TWAIN_SetCompactPages(int on) {
    return Record(QStringLiteral("TWAIN_SetCompactPages(%1)").arg(on)), 1;
}

int FakeScannerLibrary::TWAIN_SetJpegQuality(int quality) {
    return Record(QStringLiteral("TWAIN_SetJpegQuality(%1)").arg(quality)), 1;
}
int FakeScannerLibrary::TWAIN_SetPixelType(int pixelType) {
    return Record(QStringLiteral("TWAIN_SetPixelType(%1)").arg(pixelType)), 1;
}
int FakeScannerLibrary::TWAIN_SetResolution(double dpi) { return Record("TWAIN_SetResolution(" + Number(dpi) + ")"), 1; }
int FakeScannerLibrary::TWAIN_SetAutoDeskew(int on) { return Record(QStringLiteral("TWAIN_SetAutoDeskew(%1)").arg(on)), 1; }
int FakeScannerLibrary::TWAIN_SetAutoCrop(int on) { return Record(QStringLiteral("TWAIN_SetAutoCrop(%1)").arg(on)), 1; }
int FakeScannerLibrary::TWAIN_SetAutoContrast(int on) {
    return Record(QStringLiteral("TWAIN_SetAutoContrast(%1)").arg(on)), 1;
}
int FakeScannerLibrary::TWAIN_SetPaperSize(int paperCode) {
    return Record(QStringLiteral("TWAIN_SetPaperSize(%1)").arg(paperCode)), 1;
}

QString FakeScannerLibrary::TWAIN_SetTextRecognition(int on, const QString& languages) {
    Record(QStringLiteral("TWAIN_SetTextRecognition(%1, %2)").arg(on).arg(languages));
    return on ? textRecognitionProblem : QString();
}

int FakeScannerLibrary::TWAIN_GetDuplexSupport() {
    Record("TWAIN_GetDuplexSupport()");
    if (duplexSupportAnswers.empty()) return 0;
    const int answer = duplexSupportAnswers.front();
    duplexSupportAnswers.pop_front();
    return answer;
}

int FakeScannerLibrary::TWAIN_EnableDuplex(int on) {
    Record(QStringLiteral("TWAIN_EnableDuplex(%1)").arg(on));
    return on ? enableDuplexResult : 1;
}

int FakeScannerLibrary::TWAIN_HasFeeder() { return Record("TWAIN_HasFeeder()"), hasFeeder; }

int FakeScannerLibrary::TWAIN_SelectFeeder(int feeder) {
    Record(QStringLiteral("TWAIN_SelectFeeder(%1)").arg(feeder));
    if (!feeder) {
        feederSelected_ = false;
        return 1;
    }
    feederSelected_ = selectFeederResult != 0;
    return selectFeederResult;
}

int FakeScannerLibrary::TWAIN_SetAutoScan(int on) { return Record(QStringLiteral("TWAIN_SetAutoScan(%1)").arg(on)), 1; }

int FakeScannerLibrary::TWAIN_IsFeederLoaded() {
    Record("TWAIN_IsFeederLoaded()");
    if (feederLoadedAnswers.empty()) return feederLoadedAfter;
    const int answer = feederLoadedAnswers.front();
    feederLoadedAnswers.pop_front();
    return answer;
}

int FakeScannerLibrary::TWAIN_IsFeederSelected() { return Record("TWAIN_IsFeederSelected()"), feederSelected_ ? 1 : 0; }
int FakeScannerLibrary::TWAIN_SetXferCount(int count) {
    return Record(QStringLiteral("TWAIN_SetXferCount(%1)").arg(count)), 1;
}
int FakeScannerLibrary::TWAIN_SetMultiTransfer(int on) {
    return Record(QStringLiteral("TWAIN_SetMultiTransfer(%1)").arg(on)), 1;
}

int FakeScannerLibrary::TWAIN_AcquireToFilename(WindowHandle owner, const QString& path) {
    Record(QStringLiteral("TWAIN_AcquireToFilename(%1,%2)").arg(owner).arg(path));
    const std::optional<FakePage> page = NextPage();
    if (!page) {
        Fail(kScannerErrorCancelled);
        return 1;
    }
    if (page->failWith) {
        Fail(page->failWith);
        return 1;
    }
    if (!WriteWhole(path, {page->blank ? "blank" : "ink"})) {
        Fail(kScannerErrorWriteFailed);
        return 1;
    }
    writtenPages.append(page->blank ? "blank" : "ink");
    lastCompleted_ = path;
    return 0;
}

int FakeScannerLibrary::TWAIN_BeginMultipageFile(const QString& path) {
    Record("TWAIN_BeginMultipageFile(" + path + ")");
    return BeginFile(path, 0);
}

int FakeScannerLibrary::BeginFile(const QString& path, int seriesNumber) {
    if (beginResult != 0) {
        Fail(beginError);
        return beginResult;
    }
    target_ = path;
    partial_ = path + QStringLiteral(".partial");
    partialPages_.clear();
    seriesNumber_ = seriesNumber;
    QFile file(partial_);
    if (!file.open(QIODevice::WriteOnly)) {
        Fail(kScannerErrorWriteFailed);
        return 1;
    }
    return 0;
}

int FakeScannerLibrary::TWAIN_BeginNumberedFile(const QString& firstPath, int number) {
    Record(QStringLiteral("TWAIN_BeginNumberedFile(%1,%2)").arg(firstPath).arg(number));
    const QFileInfo first(firstPath);
    seriesStem_ = first.path() + QLatin1Char('/') + first.completeBaseName() + QLatin1Char('-');
    seriesExtension_ = QLatin1Char('.') + first.suffix();
    return BeginFile(first.path() + QStringLiteral("/numbered"), number);
}

ImageHandle FakeScannerLibrary::TWAIN_Acquire(WindowHandle owner) {
    Record(QStringLiteral("TWAIN_Acquire(%1)").arg(owner));
    if (!open_) {
        Fail(kScannerErrorNoSource);
        return {};
    }
    const std::optional<FakePage> page = NextPage();
    if (!page) return {};
    if (page->failWith) {
        Fail(page->failWith);
        return {};
    }
    deliveredFromFeeder_ = feederSelected_;
    const ImageHandle image{nextHandle_++};
    images_[image.value] = page->blank;
    return image;
}

int FakeScannerLibrary::DIB_IsBlank(ImageHandle image, double threshold) {
    Record("DIB_IsBlank(" + Handle(image) + "," + Number(threshold) + ")");
    return images_.at(image.value) ? 1 : 0;
}

int FakeScannerLibrary::TWAIN_DibWritePage(ImageHandle image) {
    Record("TWAIN_DibWritePage(" + Handle(image) + ")");
    const QString page = images_.at(image.value) ? "blank" : "ink";
    partialPages_.append(page);
    writtenPages.append(page);
    QFile file(partial_);
    if (!file.open(QIODevice::Append)) return Fail(kScannerErrorWriteFailed), 1;
    file.write(page.toUtf8() + "\n");
    return 0;
}

void FakeScannerLibrary::DIB_Free(ImageHandle image) {
    Record("DIB_Free(" + Handle(image) + ")");
    images_.erase(image.value);
}

int FakeScannerLibrary::TWAIN_EndMultipageFile() {
    Record("TWAIN_EndMultipageFile()");
    if (partial_.isEmpty()) return 1;
    const QString partial = std::exchange(partial_, QString());
    if (partialPages_.isEmpty()) {
        QFile::remove(partial);
        Fail(kScannerErrorNothingWritten);
        return 1;
    }
    // A series' file takes the first name free now.
    for (int number = std::exchange(seriesNumber_, 0); number > 0; ++number) {
        target_ = seriesStem_ + QString::number(number) + seriesExtension_;
        if (!QFileInfo::exists(target_) && !QFileInfo(target_).isSymLink()) break;
    }
    QFile::remove(target_);
    if (!QFile::rename(partial, target_)) return Fail(kScannerErrorWriteFailed), 1;
    lastCompleted_ = target_;
    return 0;
}

int FakeScannerLibrary::TWAIN_LastErrorCode() { return Record("TWAIN_LastErrorCode()"), lastError_; }

QString FakeScannerLibrary::TWAIN_LastErrorTextVB() {
    Record("TWAIN_LastErrorTextVB()");
    return ScannerErrorText(lastError_);
}

QString FakeScannerLibrary::TWAIN_LastCompletedFile() {
    Record("TWAIN_LastCompletedFile()");
    return lastCompleted_;
}

QString FakeScannerLibrary::TWAIN_LastCompletedFileNote() {
    Record("TWAIN_LastCompletedFileNote()");
    return completedFileNote;
}

}  // namespace quillon::testing
