#pragma once
// One frame of the engine control unit's data stream: twelve identifier bits and
// twelve bytes, kept as separate bit entries as the decoder rebuilds them.
#include <array>
#include <cstdint>

namespace kestrovin {

inline constexpr int kFrameBytes = 12;
inline constexpr int kIdentifierBits = 12;

using FrameBytes = std::array<std::uint8_t, kFrameBytes>;    // bytes 1..12 at index 0..11
using IdentifierBits = std::array<std::uint8_t, kIdentifierBits>;  // bits 1..12 at index 0..11, each 0 or 1

struct Frame {
    IdentifierBits identifier_bits{};
    // Bit j (0..7) of frame byte i (1..12) at entry 8 * (i - 1) + j; each 0 or 1.
    std::array<std::uint8_t, 8 * kFrameBytes> data_bits{};

    bool operator==(const Frame&) const = default;
};

// Frame byte i = 1..12 of the frame, 0..255 (bit 0 least significant).
std::uint8_t FrameByte(const Frame& frame, int i);
FrameBytes AllFrameBytes(const Frame& frame);
Frame MakeFrame(const FrameBytes& bytes, const IdentifierBits& identifier_bits = {});

}  // namespace kestrovin
