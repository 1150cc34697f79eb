#pragma once
// The inverse of the decoder: the cells a frame occupies on the line and the edge
// list the capture thread would post for it. The simulator and the tests use it.
#include <array>
#include <cstdint>
#include <vector>

#include "capture/edge_list.h"
#include "capture/frame.h"

namespace kestrovin {

inline constexpr int kLineCellsPerFrame = 163;

// The 163 cells of one frame as they follow each other on the line, header first.
std::array<std::uint8_t, kLineCellsPerFrame> LineCells(const Frame& frame);

// The edge list of one frame period: the runs of the identifier and byte groups,
// ending with the boundary run that includes the next frame's 16-cell header.
std::vector<EdgeRecord> EncodeEdgeList(const Frame& frame);

}  // namespace kestrovin
