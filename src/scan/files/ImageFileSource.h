// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/PageSource.h"

#include <QStringList>

#include <atomic>
#include <vector>

namespace quillon {

// Image files as the pages of a feeder: JPEG, PNG and every page of a TIFF,
// in the order given, a folder's images in the natural order of their names
// ("page 2" before "page 10"). A file named, or named as an image in a
// folder, that is not one is a fault at Open, so nothing is scanned from a
// list with a mistake in it.
class ImageFileSource : public PageSource {
public:
    explicit ImageFileSource(QStringList paths) : paths_(std::move(paths)) {}

    QList<ScannerChoice> Sources() override;
    SourceFault Open(const QString& name) override;
    SourceTook Apply(const SourceSettings& settings) override;
    // A sheet is in while a page is left; Next reads it.
    SourcePage TakeIn(bool) override;
    SourcePage Next(const std::shared_ptr<SourceProgress>& progress) override;
    void Cancel() override { cancelled_ = true; }

    // The pages found at Open, as file and page within it.
    struct Page {
        QString path;
        int index = 0;
    };
    const std::vector<Page>& pages() const { return pages_; }

    static constexpr const char* kName = "files";

private:
    QStringList paths_;
    std::vector<Page> pages_;
    std::size_t next_ = 0;
    double paperWidthMm_ = 0;
    std::atomic<bool> cancelled_{false};
};

}  // namespace quillon
