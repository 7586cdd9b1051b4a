// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/compact/ArithmeticEncoder.h"

#include <array>

namespace quillon {

namespace {

// The probability estimation states: the less probable value's share of the
// interval, the next state after each value, and whether an unexpected value
// swaps which value is expected.
struct Estimate {
    std::uint16_t share;
    std::uint8_t afterExpected, afterUnexpected, swaps;
};

constexpr std::array<Estimate, 47> kEstimates{{
    {0x5601, 1, 1, 1},   {0x3401, 2, 6, 0},   {0x1801, 3, 9, 0},   {0x0AC1, 4, 12, 0},  {0x0521, 5, 29, 0},
    {0x0221, 38, 33, 0}, {0x5601, 7, 6, 1},   {0x5401, 8, 14, 0},  {0x4801, 9, 14, 0},  {0x3801, 10, 14, 0},
    {0x3001, 11, 17, 0}, {0x2401, 12, 18, 0}, {0x1C01, 13, 20, 0}, {0x1601, 29, 21, 0}, {0x5601, 15, 14, 1},
    {0x5401, 16, 14, 0}, {0x5101, 17, 15, 0}, {0x4801, 18, 16, 0}, {0x3801, 19, 17, 0}, {0x3401, 20, 18, 0},
    {0x3001, 21, 19, 0}, {0x2801, 22, 19, 0}, {0x2401, 23, 20, 0}, {0x2201, 24, 21, 0}, {0x1C01, 25, 22, 0},
    {0x1801, 26, 23, 0}, {0x1601, 27, 24, 0}, {0x1401, 28, 25, 0}, {0x1201, 29, 26, 0}, {0x1101, 30, 27, 0},
    {0x0AC1, 31, 28, 0}, {0x09C1, 32, 29, 0}, {0x08A1, 33, 30, 0}, {0x0521, 34, 31, 0}, {0x0441, 35, 32, 0},
    {0x02A1, 36, 33, 0}, {0x0221, 37, 34, 0}, {0x0141, 38, 35, 0}, {0x0111, 39, 36, 0}, {0x0085, 40, 37, 0},
    {0x0049, 41, 38, 0}, {0x0025, 42, 39, 0}, {0x0015, 43, 40, 0}, {0x0009, 44, 41, 0}, {0x0005, 45, 42, 0},
    {0x0001, 45, 43, 0}, {0x5601, 46, 46, 0},
}};

}  // namespace

ArithmeticEncoder::ArithmeticEncoder(std::size_t contexts) : states_(contexts) {}

void ArithmeticEncoder::Encode(std::size_t context, int bit) {
    State& state = states_[context];
    if (bit == state.expected) {
        CodeExpected(state);
    } else {
        CodeUnexpected(state);
    }
}

void ArithmeticEncoder::CodeExpected(State& state) {
    const Estimate& estimate = kEstimates[state.index];
    interval_ -= estimate.share;
    if ((interval_ & 0x8000) != 0) {
        code_ += estimate.share;
        return;
    }
    // The sub-intervals are swapped when the expected one has become the smaller.
    if (interval_ < estimate.share) {
        interval_ = estimate.share;
    } else {
        code_ += estimate.share;
    }
    state.index = estimate.afterExpected;
    Renormalise();
}

void ArithmeticEncoder::CodeUnexpected(State& state) {
    const Estimate& estimate = kEstimates[state.index];
    interval_ -= estimate.share;
    if (interval_ < estimate.share) {
        code_ += estimate.share;
    } else {
        interval_ = estimate.share;
    }
    if (estimate.swaps != 0) state.expected ^= 1;
    state.index = estimate.afterUnexpected;
    Renormalise();
}

void ArithmeticEncoder::Renormalise() {
    do {
        interval_ <<= 1;
        code_ <<= 1;
        if (--shiftsToByte_ == 0) ByteOut();
    } while ((interval_ & 0x8000) == 0);
}

void ArithmeticEncoder::Emit() {
    if (pending_ >= 0) out_.append(static_cast<char>(pending_));
}

void ArithmeticEncoder::ByteOut() {
    // After a 0xFF only seven bits follow, so that no carry can reach it and
    // no marker code can appear in the data.
    bool sevenBits = pending_ == 0xFF;
    if (!sevenBits && code_ >= 0x8000000) {
        ++pending_;  // the carry; never on the first byte, whose interval cannot overflow
        if (pending_ == 0xFF) {
            code_ &= 0x7FFFFFF;
            sevenBits = true;
        }
    }
    Emit();
    if (sevenBits) {
        pending_ = static_cast<int>(code_ >> 20);
        code_ &= 0xFFFFF;
        shiftsToByte_ = 7;
    } else {
        pending_ = static_cast<int>(code_ >> 19);
        code_ &= 0x7FFFF;
        shiftsToByte_ = 8;
    }
}

QByteArray ArithmeticEncoder::Finish() {
    // As many of the final value's bits as make it unambiguous, then the marker.
    const std::uint32_t top = code_ + interval_;
    code_ |= 0xFFFF;
    if (code_ >= top) code_ -= 0x8000;
    code_ <<= shiftsToByte_;
    ByteOut();
    code_ <<= shiftsToByte_;
    ByteOut();
    Emit();
    if (pending_ != 0xFF) out_.append('\xFF');
    out_.append('\xAC');
    pending_ = -1;
    return std::move(out_);
}

}  // namespace quillon
