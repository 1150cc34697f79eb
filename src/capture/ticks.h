#pragma once
// Ticks: elapsed milliseconds / 8.2, rounded to the nearest whole number, an
// exact half going to the even neighbour (17.5 -> 18, 16.5 -> 16).
#include <cstdint>

namespace kestrovin {

// `counts` counter steps at `frequency` steps per second. Exact integer arithmetic.
std::int64_t TicksFromCounts(std::int64_t counts, std::int64_t frequency);

}  // namespace kestrovin
