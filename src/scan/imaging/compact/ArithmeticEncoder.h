// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace quillon {

// The adaptive binary arithmetic coder of JBIG2 (the MQ coder): each bit is
// coded with the probability its context has learnt so far, so long runs of
// the expected value cost almost nothing.
class ArithmeticEncoder {
public:
    explicit ArithmeticEncoder(std::size_t contexts);
    void Encode(std::size_t context, int bit);
    // Ends the stream with its marker; the coder is not used after.
    QByteArray Finish();

private:
    struct State {
        std::uint8_t index = 0;
        std::uint8_t expected = 0;  // the more probable value
    };
    void CodeExpected(State& state);
    void CodeUnexpected(State& state);
    void Renormalise();
    void ByteOut();
    void Emit();

    std::vector<State> states_;
    std::uint32_t interval_ = 0x8000;  // A
    std::uint32_t code_ = 0;           // C
    int shiftsToByte_ = 12;            // CT
    int pending_ = -1;                 // B, not yet written (none before the first byte)
    QByteArray out_;
};

}  // namespace quillon
