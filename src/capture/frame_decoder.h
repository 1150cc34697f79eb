#pragma once
// Rebuilds one frame from the edge list of one frame period.
//
// Line format of a frame (163 cells of one tick each): a 16-cell header of 1s,
// the identifier group (start cell 0, identifier bits 1..12, two stop cells 1),
// then twelve byte groups (start cell 0, data bits 0..7, two stop cells 1).
// The list ends with the boundary run: the stop cells of byte 12, any top data
// bits of value 1 and the next frame's header.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "capture/frame.h"

namespace kestrovin {

// Blocks longer than this (330 records) are ignored without a report.
inline constexpr std::size_t kMaxEdgeBlockBytes = 2970;

enum class DecodeOutcome { Good, Bad, Ignored };

// Decodes the packed block. Only a Good outcome writes `frame`; Bad and Ignored
// leave it exactly as it was.
DecodeOutcome DecodeEdgeList(std::span<const std::uint8_t> block, Frame& frame);

// The diagnostic listing of a block as received: "4: 9 бит 0" per record (level 1
// written as "-1"), then "=Всего: 163 бит =".
std::vector<std::string> DiagnosticListing(std::span<const std::uint8_t> block);

}  // namespace kestrovin
