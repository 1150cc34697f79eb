#include "capture/edge_list.h"

namespace kestrovin {

EdgeBlock PackEdgeList(std::span<const EdgeRecord> records) {
    EdgeBlock block;
    block.reserve(records.size() * kEdgeRecordBytes);
    for (const EdgeRecord& record : records) {
        block.push_back(record.level);
        const auto ticks = static_cast<std::uint64_t>(record.ticks);
        for (int b = 0; b < 8; ++b) block.push_back(static_cast<std::uint8_t>(ticks >> (8 * b)));
    }
    return block;
}

std::vector<EdgeRecord> UnpackEdgeList(std::span<const std::uint8_t> block) {
    std::vector<EdgeRecord> records;
    records.reserve(block.size() / kEdgeRecordBytes);
    for (std::size_t at = 0; at + kEdgeRecordBytes <= block.size(); at += kEdgeRecordBytes) {
        std::uint64_t ticks = 0;
        for (int b = 0; b < 8; ++b) ticks |= static_cast<std::uint64_t>(block[at + 1 + b]) << (8 * b);
        records.push_back({block[at], static_cast<std::int64_t>(ticks)});
    }
    return records;
}

}  // namespace kestrovin
