#include "platform/counter.h"

#include <ctime>

namespace kestrovin {

std::optional<std::int64_t> SystemCounter::Frequency() const {
    timespec resolution{};
    if (clock_getres(CLOCK_MONOTONIC, &resolution) != 0) return std::nullopt;
    return 1'000'000'000;
}

std::int64_t SystemCounter::Now() const {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace kestrovin
