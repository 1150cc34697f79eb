#include "capture/frame.h"

namespace kestrovin {

std::uint8_t FrameByte(const Frame& frame, int i) {
    unsigned value = 0;
    for (int j = 0; j < 8; ++j) value |= (frame.data_bits[8 * (i - 1) + j] != 0 ? 1u : 0u) << j;
    return static_cast<std::uint8_t>(value);
}

FrameBytes AllFrameBytes(const Frame& frame) {
    FrameBytes bytes{};
    for (int i = 1; i <= kFrameBytes; ++i) bytes[i - 1] = FrameByte(frame, i);
    return bytes;
}

Frame MakeFrame(const FrameBytes& bytes, const IdentifierBits& identifier_bits) {
    Frame frame;
    frame.identifier_bits = identifier_bits;
    for (int i = 0; i < kFrameBytes; ++i)
        for (int j = 0; j < 8; ++j) frame.data_bits[8 * i + j] = (bytes[i] >> j) & 1u;
    return frame;
}

}  // namespace kestrovin
