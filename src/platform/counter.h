#pragma once
// Monotonic high-resolution counter with a known rate. The capture thread
// times line changes with it; the simulator also sleeps on it. Tests use a
// manual clock whose sleeps only move its time.
#include <atomic>
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

class WaitableClock : public PerformanceCounter {
public:
    // Sleeps until the counter reads `when`; false when `wake_fd` (an eventfd,
    // or -1 for none) became readable first.
    virtual bool SleepUntil(std::int64_t when, int wake_fd) const = 0;
};

// CLOCK_MONOTONIC in nanoseconds (frequency 1 000 000 000).
class SystemCounter final : public WaitableClock {
public:
    std::optional<std::int64_t> Frequency() const override;
    std::int64_t Now() const override;
    bool SleepUntil(std::int64_t when, int wake_fd) const override;
};

// Time that moves only when told to (or when something sleeps on it).
class ManualClock final : public WaitableClock {
public:
    explicit ManualClock(std::optional<std::int64_t> frequency = 1'000'000'000, std::int64_t start = 1'000'000'000)
        : frequency_(frequency), now_(start) {}
    std::optional<std::int64_t> Frequency() const override { return frequency_; }
    std::int64_t Now() const override { return now_.load(); }
    bool SleepUntil(std::int64_t when, int) const override;
    void Advance(std::int64_t counts) { now_.fetch_add(counts); }

private:
    std::optional<std::int64_t> frequency_;
    mutable std::atomic<std::int64_t> now_;
};

}  // namespace kestrovin
