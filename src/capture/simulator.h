#pragma once
// The built-in engine simulator: a serial line whose DSR input carries the
// frames of a drive as the engine control unit sends them, 163 cells of 8.2 ms
// per frame, in real time on the system clock or instantly on a manual clock.
// It can replay a raw-frame table, shake every edge by a random jitter,
// deliver edges late in steps of a USB adapter's latency timer, and spoil a
// share of the frames.
#include <atomic>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "capture/frame.h"
#include "platform/counter.h"
#include "platform/serial_line.h"

namespace kestrovin {

struct SimulatorOptions {
    std::vector<FrameBytes> replay;  // empty: the synthetic drive
    double jitter_ms = 0;            // each edge moves by a uniform amount in [-jitter, +jitter]
    double latency_ms = 0;           // edges are seen only at multiples of this (0: at once)
    double bad_share = 0;            // share of frames whose framing is spoilt, 0..1
    bool loop = true;                // replay from the start after the last frame
    std::uint32_t seed = 1;
};

// Parses "replay=FILE.csv,jitter=1.5,latency=16,bad=0.05,loop=0,seed=7".
// Throws std::invalid_argument with a message naming the bad part.
SimulatorOptions ParseSimulatorOptions(const std::string& text);

class SimulatorLine final : public SerialLine {
public:
    SimulatorLine(SimulatorOptions options, const WaitableClock& clock);
    ~SimulatorLine() override;

    WaitResult WaitForDsrChange() override;
    std::optional<bool> ReadDsr() override { return dsr_; }
    void CancelWait() override;
    WaitMethod wait_method() const override { return WaitMethod::Simulated; }
    std::optional<int> latency_ms() const override;
    std::string hint() const override;
    std::string Description() const override;

    // With loop off: true once the last frame has left the line.
    bool finished() const { return finished_; }
    // The frame bytes sent as frame `index`, spoilt or not.
    FrameBytes FrameAt(long index) const;

private:
    std::uint8_t CellAt(long cell);
    void LoadFrame(long index);

    SimulatorOptions options_;
    const WaitableClock& clock_;
    int wake_fd_;
    std::atomic<bool> cancel_{false};
    std::mt19937 random_;
    bool started_ = false;
    std::int64_t start_time_ = 0;
    std::int64_t last_delivery_ = 0;
    long cell_ = 0;  // position on the line, counted from the start of the lead-in
    bool dsr_ = false;
    long frame_ = -1;
    std::vector<std::uint8_t> frame_cells_;
    bool finished_ = false;
};

}  // namespace kestrovin
