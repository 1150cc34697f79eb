#include "capture/ticks.h"

namespace kestrovin {

std::int64_t TicksFromCounts(std::int64_t counts, std::int64_t frequency) {
    // ticks = counts / (frequency / 1000) / 8.2 = counts * 10000 / (frequency * 82)
    __extension__ using Wide = __int128;
    if (frequency <= 0) return 0;
    const Wide numerator = Wide{counts} * 10000;
    const Wide denominator = Wide{frequency} * 82;
    Wide quotient = numerator / denominator;
    Wide remainder = numerator % denominator;
    if (remainder < 0) {  // floor division for negative elapsed times
        remainder += denominator;
        --quotient;
    }
    const Wide twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
    return static_cast<std::int64_t>(quotient);
}

}  // namespace kestrovin
