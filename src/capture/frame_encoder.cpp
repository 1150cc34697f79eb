#include "capture/frame_encoder.h"

namespace kestrovin {
namespace {

constexpr int kHeaderCells = 16;

}  // namespace

std::array<std::uint8_t, kLineCellsPerFrame> LineCells(const Frame& frame) {
    std::array<std::uint8_t, kLineCellsPerFrame> cells{};
    int at = 0;
    for (int i = 0; i < kHeaderCells; ++i) cells[at++] = 1;
    cells[at++] = 0;
    for (std::uint8_t bit : frame.identifier_bits) cells[at++] = bit != 0 ? 1 : 0;
    cells[at++] = 1;
    cells[at++] = 1;
    for (int i = 0; i < kFrameBytes; ++i) {
        cells[at++] = 0;
        for (int j = 0; j < 8; ++j) cells[at++] = frame.data_bits[8 * i + j] != 0 ? 1 : 0;
        cells[at++] = 1;
        cells[at++] = 1;
    }
    return cells;
}

std::vector<EdgeRecord> EncodeEdgeList(const Frame& frame) {
    const auto cells = LineCells(frame);
    std::vector<EdgeRecord> runs;
    // The list starts after the header and ends with the next frame's header.
    for (int at = kHeaderCells; at < kLineCellsPerFrame; ++at) {
        if (runs.empty() || runs.back().level != cells[at]) runs.push_back({cells[at], 0});
        ++runs.back().ticks;
    }
    runs.back().ticks += kHeaderCells;  // the last run is the stop cells, level 1
    return runs;
}

}  // namespace kestrovin
