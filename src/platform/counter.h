#pragma once
// Monotonic high-resolution counter with a known rate. The capture thread
// times line changes with it; tests substitute a counter they drive by hand.
#include <cstdint>
#include <optional>

namespace kestrovin {

class PerformanceCounter {
public:
    virtual ~PerformanceCounter() = default;
    // Counts per second; empty when the system cannot tell.
    virtual std::optional<std::int64_t> Frequency() const = 0;
    virtual std::int64_t Now() const = 0;
};

// CLOCK_MONOTONIC in nanoseconds (frequency 1 000 000 000).
class SystemCounter final : public PerformanceCounter {
public:
    std::optional<std::int64_t> Frequency() const override;
    std::int64_t Now() const override;
};

}  // namespace kestrovin
