// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/writers/TiffSupport.h"

#include <cstdarg>
#include <cstdio>

namespace quillon {

namespace {

thread_local QString lastTiffError;

void CaptureError(const char* module, const char* format, va_list arguments) {
    char message[512];
    std::vsnprintf(message, sizeof message, format, arguments);
    lastTiffError = QString::fromLocal8Bit(message);
    if (module && *module) lastTiffError = QString::fromLocal8Bit(module) + QStringLiteral(": ") + lastTiffError;
}

void IgnoreWarning(const char*, const char*, va_list) {}

}  // namespace

void InstallTiffErrorCapture() {
    TIFFSetErrorHandler(CaptureError);
    TIFFSetWarningHandler(IgnoreWarning);
}

QString TakeTiffError() { return std::exchange(lastTiffError, QString()); }

}  // namespace quillon
