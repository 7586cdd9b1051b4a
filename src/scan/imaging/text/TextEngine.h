// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/text/TextRecognizer.h"

#include <QByteArray>
#include <QString>

#include <atomic>

namespace quillon {

// The text-recognition engine lives in a module of its own, loaded the first
// time a page's text is read: its libraries would otherwise be loaded and
// relocated at every start of both programs (about 11 ms of a 10-page scan
// from the terminal), though most scans read no text.

// A page as the engine takes it: 8-bit samples, one a pixel (grey) or three
// (RGB), or 1 bit a pixel with 1 as white (bytesPerPixel 0).
struct EnginePage {
    const uchar* bits = nullptr;
    int width = 0, height = 0;
    int bytesPerPixel = 1;
    int bytesPerLine = 0;
    int dpi = 0;
};

// What the module offers. Every call is safe on any thread.
struct TextEngine {
    // The words of the page in reading order; error set when the languages
    // could not be loaded or the reading failed or was stopped.
    RecognizedText (*recognize)(const EnginePage& page, const QByteArray& codes, const QByteArray& dataDirectory,
                                const std::atomic<bool>* stop);
    // The turn the page was scanned with, in degrees clockwise; false when
    // there is too little text to tell.
    bool (*detectOrientation)(const EnginePage& page, const QByteArray& dataDirectory, int* degrees,
                              float* confidence);
    // Gives back the memory of the engines no page is using.
    void (*releaseIdle)();
};

// The module, loaded on the first call; null, with *error saying why, when it
// cannot be loaded.
const TextEngine* LoadTextEngine(QString* error);

// The module if it was loaded, else null: nothing to release.
const TextEngine* LoadedTextEngine();

}  // namespace quillon

// The module's one entry point, found by name once it is loaded.
extern "C" const quillon::TextEngine* QuillonTextEngine();
