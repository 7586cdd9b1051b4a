// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SaneOptions.h"

#include <QByteArray>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace quillon {

namespace {

double FromWord(SANE_Word word, SANE_Value_Type type) {
    return type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : static_cast<double>(word);
}

SANE_Word ToWord(double value, SANE_Value_Type type) {
    return type == SANE_TYPE_FIXED ? SANE_FIX(value) : static_cast<SANE_Word>(std::lround(value));
}

// The allowed value nearest to the one asked, by the descriptor's constraint.
SANE_Word Constrain(const SANE_Option_Descriptor& d, double value) {
    if (d.constraint_type == SANE_CONSTRAINT_RANGE && d.constraint.range) {
        const SANE_Range& r = *d.constraint.range;
        const double low = FromWord(r.min, d.type), high = FromWord(r.max, d.type), step = FromWord(r.quant, d.type);
        value = std::clamp(value, low, high);
        if (step > 0) value = std::clamp(low + std::round((value - low) / step) * step, low, high);
        return ToWord(value, d.type);
    }
    if (d.constraint_type == SANE_CONSTRAINT_WORD_LIST && d.constraint.word_list && d.constraint.word_list[0] > 0) {
        const SANE_Word* list = d.constraint.word_list;
        SANE_Word best = list[1];
        for (int i = 1; i <= list[0]; ++i)
            if (std::fabs(FromWord(list[i], d.type) - value) < std::fabs(FromWord(best, d.type) - value)) best = list[i];
        return best;
    }
    return ToWord(value, d.type);
}

bool ContainsAny(const QString& text, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive)) return true;
    return false;
}

}  // namespace

int SaneOptions::Find(const char* name) const {
    const int count = device_.OptionCount();
    for (int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* d = device_.Descriptor(i);
        if (d && d->name && std::strcmp(d->name, name) == 0) return i;
    }
    return -1;
}

const SANE_Option_Descriptor* SaneOptions::Settable(const char* name, int* index) const {
    *index = Find(name);
    if (*index < 0) return nullptr;
    const SANE_Option_Descriptor* d = device_.Descriptor(*index);
    if (!d || !SANE_OPTION_IS_ACTIVE(d->cap) || !SANE_OPTION_IS_SETTABLE(d->cap)) return nullptr;
    return d;
}

bool SaneOptions::IsSettable(const char* name) const {
    int index = 0;
    return Settable(name, &index) != nullptr;
}

SANE_Unit SaneOptions::Unit(const char* name) const {
    const int index = Find(name);
    const SANE_Option_Descriptor* d = index >= 0 ? device_.Descriptor(index) : nullptr;
    return d ? d->unit : SANE_UNIT_NONE;
}

std::optional<QString> SaneOptions::GetString(const char* name) const {
    const int index = Find(name);
    const SANE_Option_Descriptor* d = index >= 0 ? device_.Descriptor(index) : nullptr;
    if (!d || d->type != SANE_TYPE_STRING || !SANE_OPTION_IS_ACTIVE(d->cap)) return std::nullopt;
    std::vector<char> value(static_cast<std::size_t>(std::max(d->size, 1)) + 1, '\0');
    if (device_.Control(index, SANE_ACTION_GET_VALUE, value.data(), nullptr) != SANE_STATUS_GOOD) return std::nullopt;
    return QString::fromUtf8(value.data());
}

bool SaneOptions::SetString(const char* name, const QString& value) {
    int index = 0;
    const SANE_Option_Descriptor* d = Settable(name, &index);
    if (!d || d->type != SANE_TYPE_STRING) return false;
    QByteArray bytes = value.toUtf8();
    if (bytes.size() >= d->size) return false;
    bytes.resize(d->size, '\0');
    return device_.Control(index, SANE_ACTION_SET_VALUE, bytes.data(), nullptr) == SANE_STATUS_GOOD;
}

QStringList SaneOptions::Choices(const char* name) const {
    const int index = Find(name);
    const SANE_Option_Descriptor* d = index >= 0 ? device_.Descriptor(index) : nullptr;
    QStringList choices;
    if (!d || d->constraint_type != SANE_CONSTRAINT_STRING_LIST || !d->constraint.string_list) return choices;
    for (const SANE_String_Const* value = d->constraint.string_list; *value; ++value) choices.append(QString::fromUtf8(*value));
    return choices;
}

std::optional<bool> SaneOptions::GetBool(const char* name) const {
    const int index = Find(name);
    const SANE_Option_Descriptor* d = index >= 0 ? device_.Descriptor(index) : nullptr;
    if (!d || d->type != SANE_TYPE_BOOL || !SANE_OPTION_IS_ACTIVE(d->cap)) return std::nullopt;
    SANE_Bool value = SANE_FALSE;
    if (device_.Control(index, SANE_ACTION_GET_VALUE, &value, nullptr) != SANE_STATUS_GOOD) return std::nullopt;
    return value == SANE_TRUE;
}

bool SaneOptions::SetBool(const char* name, bool value) {
    int index = 0;
    const SANE_Option_Descriptor* d = Settable(name, &index);
    if (!d || d->type != SANE_TYPE_BOOL) return false;
    SANE_Bool word = value ? SANE_TRUE : SANE_FALSE;
    return device_.Control(index, SANE_ACTION_SET_VALUE, &word, nullptr) == SANE_STATUS_GOOD;
}

std::optional<double> SaneOptions::GetNumber(const char* name) const {
    const int index = Find(name);
    const SANE_Option_Descriptor* d = index >= 0 ? device_.Descriptor(index) : nullptr;
    if (!d || (d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED) || !SANE_OPTION_IS_ACTIVE(d->cap)) return std::nullopt;
    // A vector option is read whole; its first element stands for it.
    std::vector<SANE_Word> words(static_cast<std::size_t>(std::max<SANE_Int>(1, d->size / SANE_Int(sizeof(SANE_Word)))));
    if (device_.Control(index, SANE_ACTION_GET_VALUE, words.data(), nullptr) != SANE_STATUS_GOOD) return std::nullopt;
    return FromWord(words[0], d->type);
}

std::optional<double> SaneOptions::SetNumber(const char* name, double value) {
    int index = 0;
    const SANE_Option_Descriptor* d = Settable(name, &index);
    if (!d || (d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED)) return std::nullopt;
    std::vector<SANE_Word> words(static_cast<std::size_t>(std::max<SANE_Int>(1, d->size / SANE_Int(sizeof(SANE_Word)))),
                                 Constrain(*d, value));
    if (device_.Control(index, SANE_ACTION_SET_VALUE, words.data(), nullptr) != SANE_STATUS_GOOD) return std::nullopt;
    return GetNumber(name);
}

std::optional<std::pair<double, double>> SaneOptions::Range(const char* name) const {
    const int index = Find(name);
    const SANE_Option_Descriptor* d = index >= 0 ? device_.Descriptor(index) : nullptr;
    if (!d || d->constraint_type != SANE_CONSTRAINT_RANGE || !d->constraint.range) return std::nullopt;
    return std::pair{FromWord(d->constraint.range->min, d->type), FromWord(d->constraint.range->max, d->type)};
}

bool SaneOptions::SetFromText(const char* name, const QString& value) {
    int index = 0;
    const SANE_Option_Descriptor* d = Settable(name, &index);
    if (!d) return false;
    switch (d->type) {
        case SANE_TYPE_STRING: return SetString(name, value);
        case SANE_TYPE_BOOL: return SetBool(name, value == "1" || value.compare("true", Qt::CaseInsensitive) == 0 ||
                                                      value.compare("yes", Qt::CaseInsensitive) == 0);
        case SANE_TYPE_INT:
        case SANE_TYPE_FIXED: {
            bool ok = false;
            const double number = value.toDouble(&ok);
            return ok && SetNumber(name, number).has_value();
        }
        default: return false;
    }
}

QString MatchMode(const QStringList& modes, int pixelType) {
    // In order of preference; backends spell their modes in many ways.
    static const std::array<std::initializer_list<const char*>, 3> kNames{{
        {"Lineart", "Binary", "Black & White", "Black and White", "Monochrome", "Mono", "bw"},
        {"Gray", "Grayscale", "Greyscale", "Grey", "True Gray", "8bit Gray", "Gray8"},
        {"Color", "Colour", "RGB", "24bit Color", "Color24", "True Color"},
    }};
    if (pixelType < 0 || pixelType > 2) return {};
    for (const char* name : kNames[pixelType])
        for (const QString& mode : modes)
            if (mode.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return mode;
    // Then by what a name says, never taking a halftone for black and white.
    for (const QString& mode : modes) {
        if (mode.contains("halftone", Qt::CaseInsensitive) || mode.contains("dither", Qt::CaseInsensitive)) continue;
        if (pixelType == 0 && ContainsAny(mode, {"lineart", "binary", "black"})) return mode;
        if (pixelType == 1 && ContainsAny(mode, {"gray", "grey"})) return mode;
        if (pixelType == 2 && ContainsAny(mode, {"color", "colour", "rgb"})) return mode;
    }
    return {};
}

bool IsCardSource(const QString& source) { return ContainsAny(source, {"card"}); }

bool IsDuplexSource(const QString& source) { return ContainsAny(source, {"duplex", "both sides"}); }

// HPLIP names its feeder's duplex source plainly "Duplex"; a card slot is no
// document feeder.
bool IsFeederSource(const QString& source) {
    if (IsCardSource(source)) return false;
    return ContainsAny(source, {"adf", "feeder", "automatic document", "sheetfed", "sheet-fed"}) ||
           IsDuplexSource(source);
}

QString MatchFlatbedSource(const QStringList& sources) {
    for (const QString& source : sources)
        if (ContainsAny(source, {"flatbed", "platen", "glass"}) || source.compare("fb", Qt::CaseInsensitive) == 0)
            return source;
    for (const QString& source : sources)
        if (!IsFeederSource(source) && !IsCardSource(source) &&
            !ContainsAny(source, {"transparency", "film", "negative", "tma", "auto"}))
            return source;
    return {};
}

QString MatchFeederSource(const QStringList& sources, bool duplex) {
    for (const QString& source : sources)
        if (IsFeederSource(source) && IsDuplexSource(source) == duplex && !ContainsAny(source, {" back", "rear"}))
            return source;
    return {};
}

}  // namespace quillon
