#pragma once
// Edge records: one timed change of the data line. The capture thread hands the
// records of one frame period over as a packed block of 9-byte records (level
// byte, then the ticks as little-endian signed 64-bit).
#include <cstdint>
#include <span>
#include <vector>

namespace kestrovin {

struct EdgeRecord {
    std::uint8_t level = 0;   // level of the run that ended: 1 line on, 0 off
    std::int64_t ticks = 0;   // its length in 8.2 ms ticks

    bool operator==(const EdgeRecord&) const = default;
};

inline constexpr std::size_t kEdgeRecordBytes = 9;

using EdgeBlock = std::vector<std::uint8_t>;

EdgeBlock PackEdgeList(std::span<const EdgeRecord> records);
// Whole records only; a trailing partial record is dropped.
std::vector<EdgeRecord> UnpackEdgeList(std::span<const std::uint8_t> block);

}  // namespace kestrovin
