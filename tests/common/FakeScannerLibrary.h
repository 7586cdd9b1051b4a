// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/OptionControls.h"
#include "scan/ScannerLibrary.h"

#include <QStringList>

#include <deque>
#include <map>
#include <optional>

namespace quillon::testing {

// One image the fake source delivers, or a failure in its place.
struct FakePage {
    bool blank = false;
    int failWith = 0;  // non-zero: no image, and this becomes the last error
};

// A scanner library that records every call with its arguments and answers
// from a script. Its output files honour the real contract: written to a
// temporary file beside the target and renamed over it only when complete;
// unloading discards what was not completed.
class FakeScannerLibrary : public ScannerLibrary {
public:
    // The script.
    int selectResult = 1;
    int selectError = 0;                  // last error when SelectImageSource gives 0
    int openResult = 1;
    QString sourceName = QStringLiteral("Fake Scanner");
    std::deque<int> duplexSupportAnswers;  // then 0
    int enableDuplexResult = 1;
    int hasFeeder = 1;
    int selectFeederResult = 1;           // answer to SelectFeeder(1)
    std::deque<int> feederLoadedAnswers;  // then feederLoadedAfter
    int feederLoadedAfter = 1;
    std::deque<FakePage> pages;           // what the source delivers, in order
    int reopenResult = 1;
    int beginResult = 0;
    int beginError = 0;                   // last error set when BeginMultipageFile fails
    QString textRecognitionProblem;       // the answer to SetTextRecognition(1, ...)
    QString completedFileNote;            // the answer to LastCompletedFileNote
    // The call (by its operation name) that throws a failure, and on which occurrence.
    QString throwOn;
    int throwOnOccurrence = 1;

    // What happened.
    QStringList calls;
    QStringList writtenPages;  // "ink" or "blank" per page written, over all files

    void Add(int count, bool blank = false) {
        for (int i = 0; i < count; ++i) pages.push_back({blank, 0});
    }

    int TWAIN_SelectImageSource(WindowHandle owner) override;
    int TWAIN_OpenDefaultSource() override;
    QString TWAIN_GetSourceName() override;
    int TWAIN_OpenSource(const QString& name) override;
    int TWAIN_CloseSource() override;
    int TWAIN_DisableSource() override;
    void TWAIN_UnloadSourceManager() override;
    int TWAIN_State() override;
    int TWAIN_LogFile(int on) override;
    int TWAIN_SetHideUI(int hide) override;
    int TWAIN_SetJpegQuality(int quality) override;
    int TWAIN_SetCompactPages(int on) override;
    int TWAIN_SetPixelType(int pixelType) override;
    int TWAIN_SetResolution(double dpi) override;
    int TWAIN_SetAutoDeskew(int on) override;
    int TWAIN_SetAutoCrop(int on) override;
    int TWAIN_SetAutoContrast(int on) override;
    int TWAIN_SetPaperSize(int paperCode) override;
    QString TWAIN_SetTextRecognition(int on, const QString& languages) override;
    int TWAIN_GetDuplexSupport() override;
    int TWAIN_EnableDuplex(int on) override;
    int TWAIN_HasFeeder() override;
    int TWAIN_SelectFeeder(int feeder) override;
    int TWAIN_SetAutoScan(int on) override;
    int TWAIN_IsFeederLoaded() override;
    int TWAIN_IsFeederSelected() override;
    int TWAIN_SetXferCount(int count) override;
    int TWAIN_SetMultiTransfer(int on) override;
    int TWAIN_AcquireToFilename(WindowHandle owner, const QString& path) override;
    int TWAIN_BeginMultipageFile(const QString& path) override;
    int TWAIN_BeginNumberedFile(const QString& firstPath, int number) override;
    ImageHandle TWAIN_Acquire(WindowHandle owner) override;
    int DIB_IsBlank(ImageHandle image, double threshold) override;
    int TWAIN_DibWritePage(ImageHandle image) override;
    void DIB_Free(ImageHandle image) override;
    int TWAIN_EndMultipageFile() override;
    int TWAIN_BeginBackSides() override { return Record("TWAIN_BeginBackSides()"), 1; }
    // Holding pages for review is not scripted: the job's review is tested
    // over a library with real documents.
    int TWAIN_BeginHeldPages(const QString& path) override { return Record("TWAIN_BeginHeldPages(" + path + ")"), 1; }
    int TWAIN_HoldPage(ImageHandle, HeldPageKind) override { return 1; }
    std::vector<HeldPage> TWAIN_HeldPages() override { return {}; }
    int TWAIN_WriteHeldPage(int, int) override { return 1; }
    void TWAIN_EndHeldPages() override {}
    int TWAIN_SetSeparatorDetection(int on) override {
        return Record(QStringLiteral("TWAIN_SetSeparatorDetection(%1)").arg(on)), 1;
    }
    int DIB_IsSeparator(ImageHandle) override { return 0; }
    int TWAIN_SetBackSides(int placement) override {
        return Record(QStringLiteral("TWAIN_SetBackSides(%1)").arg(placement)), 1;
    }
    int TWAIN_LastErrorCode() override;
    QString TWAIN_LastErrorTextVB() override;
    QString TWAIN_LastCompletedFile() override;
    QString TWAIN_LastCompletedFileNote() override;

    int CountCalls(const QString& prefix) const;
    int ImagesHeld() const { return static_cast<int>(images_.size()); }

private:
    void Record(const QString& call);
    // The first error of a session is the one reported; later ones follow from it.
    void Fail(int code) {
        if (lastError_ == 0) lastError_ = code;
    }
    std::optional<FakePage> NextPage();
    int BeginFile(const QString& path, int seriesNumber);

    bool loaded_ = false;
    bool open_ = false;
    bool feederSelected_ = false;
    bool deliveredFromFeeder_ = false;
    int lastError_ = 0;
    std::uint64_t nextHandle_ = 1;
    std::map<std::uint64_t, bool> images_;  // handle -> blank
    QString target_;                        // the multi-page file being written
    QString partial_;
    QString seriesStem_, seriesExtension_;  // the file under way is a series' next one
    int seriesNumber_ = 0;
    QStringList partialPages_;
    QString lastCompleted_;
};

// Option controls as a plain record, starting at the program's defaults.
struct FakeOptionControls : OptionControls {
    std::map<OptionId, int> states{{OptionId::AllowMultiplePages, 1}, {OptionId::TryADFFirst, 1},
                                   {OptionId::AutoCrop, 0},           {OptionId::AutoDeskew, 0},
                                   {OptionId::AutoContrast, 1},       {OptionId::WIA, 0},
                                   {OptionId::SplitDocuments, 0},     {OptionId::ReviewPages, 0}};
    std::map<OptionId, int> indexes{{OptionId::ScanType, 1}, {OptionId::DuplexSetting, 1}, {OptionId::Format, 1},
                                    {OptionId::PaperSize, 0}, {OptionId::Quality, 3}};
    std::map<OptionId, QString> texts{{OptionId::DPI, "200"}, {OptionId::PageRejectionCoverage, "0.001"}};
    QStringList statusTexts;

    int CheckState(OptionId id) const override { return states.at(id); }
    int SelectedIndex(OptionId id) const override { return indexes.at(id); }
    QString EditText(OptionId id) const override { return texts.at(id); }
    void SetStatusText(const QString& text) override { statusTexts.append(text); }
};

}  // namespace quillon::testing
