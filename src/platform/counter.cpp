#include "platform/counter.h"

#include <poll.h>

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

bool SystemCounter::SleepUntil(std::int64_t when, int wake_fd) const {
    while (true) {
        const std::int64_t left = when - Now();
        if (left <= 0) return true;
        const timespec timeout{static_cast<time_t>(left / 1'000'000'000), static_cast<long>(left % 1'000'000'000)};
        pollfd wake{wake_fd, POLLIN, 0};
        if (ppoll(&wake, wake_fd >= 0 ? 1 : 0, &timeout, nullptr) > 0) return false;
    }
}

bool ManualClock::SleepUntil(std::int64_t when, int) const {
    std::int64_t now = now_.load();
    while (now < when && !now_.compare_exchange_weak(now, when)) {
    }
    return true;
}

}  // namespace kestrovin
