// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPages.h"

#include "scan/imaging/pages/PageImage.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace quillon::testing {

QImage BlankPage(int width, int height, QImage::Format format, int dpi) {
    QImage page(width, height, format == QImage::Format_Mono ? QImage::Format_Grayscale8 : format);
    page.fill(Qt::white);
    if (format == QImage::Format_Mono) page = page.convertToFormat(QImage::Format_Mono);
    SetPageDpi(page, dpi);
    return page;
}

QImage TextPage(QImage::Format format, int lines, double rotationDegrees) {
    QImage page(2550, 3300, QImage::Format_RGB888);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        if (rotationDegrees != 0) {
            painter.translate(page.width() / 2.0, page.height() / 2.0);
            painter.rotate(rotationDegrees);
            painter.translate(-page.width() / 2.0, -page.height() / 2.0);
        }
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(42);
        painter.setFont(font);
        painter.setPen(QColor(25, 25, 60));
        for (int line = 0; line < lines; ++line)
            painter.drawText(300, 400 + line * 80,
                             QStringLiteral("The quick brown fox jumps over the lazy dog, line %1 of the page.").arg(line + 1));
        painter.fillRect(300, 3000, 600, 120, QColor(200, 30, 30));
    }
    SetPageDpi(page, 300);
    if (format == QImage::Format_RGB888) return page;
    if (format == QImage::Format_Grayscale8) return page.convertToFormat(QImage::Format_Grayscale8);
    QImage mono = page.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    SetPageDpi(mono, 300);
    return mono;
}

QString RunTool(const QString& program, const QStringList& arguments, int* exitCode) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "could not run " << program.toStdString();
        return {};
    }
    if (exitCode)
        *exitCode = process.exitCode();
    else if (process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

QString ScansFolder() {
    const QString folder = QStringLiteral(QUILLON_SOURCE_DIR "/../shared/data/scans");
    return QFileInfo::exists(folder + "/labels.tsv") ? QDir(folder).canonicalPath() : QString();
}

double MeanGreyDifference(const QImage& a, const QImage& b) {
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    if (ga.size() != gb.size()) return 255;
    double sum = 0;
    for (int y = 0; y < ga.height(); ++y) {
        const uchar* la = ga.constScanLine(y);
        const uchar* lb = gb.constScanLine(y);
        for (int x = 0; x < ga.width(); ++x) sum += std::abs(int(la[x]) - int(lb[x]));
    }
    return sum / (double(ga.width()) * ga.height());
}

}  // namespace quillon::testing
