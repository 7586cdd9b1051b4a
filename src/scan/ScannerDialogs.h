// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace quillon {

struct ScannerChoice {
    QString deviceName;  // SANE's name, e.g. "test:0"
    QString label;       // "vendor model"
};

// The document so far, shown beside a page's progress: the user can trust
// the blank test and spot a misfeed while the feeder runs.
struct DocumentSoFar {
    int pagesKept = 0;
    int blankPagesLeftOut = 0;
    QImage lastPage;  // a small picture of the last page that came in; null before the first
};

// One step of a scan that may keep the scanner or the file busy for a while
// (a page's transfer, starting a page, opening the scanner, finishing the
// document), run while its progress is shown with Cancel.
class ScanStep {
public:
    virtual ~ScanStep() = default;
    virtual void Run() = 0;
    // 0..1, or -1 while the size of the work is not known.
    virtual double Progress() const = 0;
    // Asks the step to stop; called from another thread than Run's.
    virtual void Cancel() = 0;
    // What is under way now, when the step says more than its caption.
    virtual QString Caption() const { return {}; }
    // A page's transfer in a batch split into documents: which document the
    // page goes into, from 1.
    virtual int DocumentNumber() const { return 1; }
    // Any thread; a page's transfer tells what the document holds so far.
    virtual DocumentSoFar SoFar() const { return {}; }
};

// The scanner library's own dialogs.
class ScannerDialogs {
public:
    virtual ~ScannerDialogs() = default;
    // The chosen scanner's index, or -1 when cancelled. With no scanner at all,
    // says so plainly and gives -1.
    virtual int ChooseScanner(const QList<ScannerChoice>& scanners, int preselected) = 0;
    // Runs the task while a modal dialog shows the page number (counted
    // through the whole batch) and progress with Cancel; returns when the
    // task has ended.
    virtual void RunTransfer(int pageNumber, ScanStep& task) = 0;
    // Any other step, shown the same way with its caption.
    virtual void RunStep(const QString& caption, ScanStep& task) = 0;
};

}  // namespace quillon
