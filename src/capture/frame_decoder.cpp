#include "capture/frame_decoder.h"

#include <array>
#include <charconv>

#include "capture/edge_list.h"

namespace kestrovin {
namespace {

constexpr int kIdentifierCells = 15;
constexpr int kByteCells = 11;
constexpr int kFrameCells = kIdentifierCells + kFrameBytes * kByteCells;  // 147
constexpr std::int64_t kHeaderTicks = 16;

std::int64_t TicksAt(std::span<const std::uint8_t> block, std::size_t record) {
    std::uint64_t ticks = 0;
    const std::size_t at = record * kEdgeRecordBytes + 1;
    for (int b = 0; b < 8; ++b) ticks |= static_cast<std::uint64_t>(block[at + b]) << (8 * b);
    return static_cast<std::int64_t>(ticks);
}

// Any non-zero level byte is a 1: a cell only ever holds 0 or 1.
std::uint8_t LevelAt(std::span<const std::uint8_t> block, std::size_t record) {
    return block[record * kEdgeRecordBytes] != 0 ? 1 : 0;
}

std::string ToText(std::int64_t value) {
    char buffer[24];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

}  // namespace

DecodeOutcome DecodeEdgeList(std::span<const std::uint8_t> block, Frame& frame) {
    if (block.size() > kMaxEdgeBlockBytes) return DecodeOutcome::Ignored;
    const std::size_t count = block.size() / kEdgeRecordBytes;
    if (count == 0) return DecodeOutcome::Bad;

    // Tail split: a boundary run of 18..26 ticks carries the next frame's header.
    std::int64_t last_ticks = TicksAt(block, count - 1);
    if (LevelAt(block, count - 1) == 1 && last_ticks >= 18 && last_ticks <= 26) last_ticks -= kHeaderTicks;

    std::array<std::uint8_t, kFrameCells> cells{};
    int cell = 0;
    std::size_t record = 0;
    for (int group = 0; group <= kFrameBytes; ++group) {
        const std::int64_t group_cells = group == 0 ? kIdentifierCells : kByteCells;
        std::int64_t sum = 0;
        while (sum < group_cells && record < count) {
            const std::int64_t ticks = record + 1 == count ? last_ticks : TicksAt(block, record);
            // A negative run cannot come from the line; it would let the sum reach
            // the group length while the runs expand past it.
            if (ticks < 0 || ticks > group_cells - sum) return DecodeOutcome::Bad;
            const std::uint8_t level = LevelAt(block, record);
            for (std::int64_t t = 0; t < ticks; ++t) cells[cell++] = level;
            sum += ticks;
            ++record;
        }
        if (sum != group_cells) return DecodeOutcome::Bad;
    }

    // Framing: each group starts with a 0 cell and ends with two 1 cells.
    if (cells[0] != 0 || cells[13] != 1 || cells[14] != 1) return DecodeOutcome::Bad;
    for (int i = 0; i < kFrameBytes; ++i) {
        const int base = kIdentifierCells + i * kByteCells;
        if (cells[base] != 0 || cells[base + 9] != 1 || cells[base + 10] != 1) return DecodeOutcome::Bad;
    }

    for (int m = 1; m <= kIdentifierBits; ++m) frame.identifier_bits[m - 1] = cells[m];
    for (int i = 0; i < kFrameBytes; ++i) {
        const int base = kIdentifierCells + i * kByteCells;
        for (int j = 0; j < 8; ++j) frame.data_bits[8 * i + j] = cells[base + 1 + j];
    }
    return DecodeOutcome::Good;
}

std::vector<std::string> DiagnosticListing(std::span<const std::uint8_t> block) {
    std::vector<std::string> lines;
    const std::size_t count = block.size() / kEdgeRecordBytes;
    lines.reserve(count + 1);
    std::int64_t total = 0;
    for (std::size_t r = 0; r < count; ++r) {
        const std::int64_t ticks = TicksAt(block, r);
        // Saturate: a corrupt block must not overflow the total.
        if (__builtin_add_overflow(total, ticks, &total)) total = ticks > 0 ? INT64_MAX : INT64_MIN;
        lines.push_back(ToText(static_cast<std::int64_t>(r)) + ": " + ToText(ticks) + " бит " +
                        (LevelAt(block, r) == 1 ? "-1" : "0"));
    }
    lines.push_back("=Всего: " + ToText(total) + " бит =");
    return lines;
}

}  // namespace kestrovin
