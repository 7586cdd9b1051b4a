// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <ostream>

namespace quillon::testing {

// The three page formats, named for test cases.
struct PageFormat {
    const char* name;
    QImage::Format format;
    friend void PrintTo(const PageFormat& f, std::ostream* out) { *out << f.name; }
};
inline constexpr PageFormat kPageFormats[] = {
    {"BlackAndWhite", QImage::Format_Mono},
    {"Grey", QImage::Format_Grayscale8},
    {"Colour", QImage::Format_RGB888},
};

// A white page of the given size and format, at the given resolution.
QImage BlankPage(int width, int height, QImage::Format format, int dpi = 300);

// A 300 dpi Letter page with lines of printed text, in the given format.
QImage TextPage(QImage::Format format, int lines = 30, double rotationDegrees = 0);

// Runs a program and gives its standard output; fails the test when it cannot
// be run or exits with an error (unless allowed).
QString RunTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr);

// The folder of the real scans, or the empty text when it is not there.
QString ScansFolder();

// Mean absolute difference of two pages' grey levels (same size), 0..255.
double MeanGreyDifference(const QImage& a, const QImage& b);

}  // namespace quillon::testing
