#pragma once
// Edge capture: a worker thread sleeps until the DSR line changes, measures how
// long the line stayed at its previous level and collects these runs as edge
// records. At each frame boundary (a run of level 1 of at least 18 ticks once
// the runs since the previous boundary add up to 163 ticks or more) it hands
// the records collected since the previous boundary over as one edge list.
//
// Threads: CaptureLoop runs on the capture thread and owns the edge buffer and
// its state. It shares with the user-interface thread only atomics: the stop
// flag (written by the user-interface thread), the inverted-adapter setting
// and the store's next frame number (read), the unsaved flag (only ever set to
// true). Edge lists leave by value through the sink.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "capture/edge_list.h"
#include "platform/counter.h"
#include "platform/serial_line.h"

namespace kestrovin {

inline constexpr int kEdgeSlots = 328;
inline constexpr std::int64_t kBoundaryTicks = 18;
inline constexpr std::int64_t kFrameTicks = 163;
inline constexpr const char* kOldComputerText = "Замените компьютер, он древний :)";

// What the capture thread hands to the user-interface thread. Called on the
// capture thread; implementations post and return at once.
class CaptureSink {
public:
    virtual ~CaptureSink() = default;
    virtual void PostEdgeList(EdgeBlock block) = 0;
    virtual void PostInfo(const std::string& text) = 0;
    // The line failed while reading (adapter pulled): the thread has ended.
    virtual void PostLineLost() = 0;
};

struct CaptureShared {
    std::atomic<bool> stop{false};
    const std::atomic<bool>& inverted_adapter;
    const std::atomic<std::int32_t>& next_frame_number;
    std::atomic<bool>& unsaved;
};

// The capture thread's body, runnable on any thread (tests run it directly).
class CaptureLoop {
public:
    CaptureLoop(SerialLine& line, const PerformanceCounter& counter, CaptureShared& shared, CaptureSink& sink);
    void Run();
    // Ticks since the previous call.
    std::int64_t ElapsedTicks();

private:
    void Record(std::uint8_t level, std::int64_t ticks);

    SerialLine& line_;
    const PerformanceCounter& counter_;
    CaptureShared& shared_;
    CaptureSink& sink_;
    std::array<EdgeRecord, kEdgeSlots> slots_{};
    int slot_ = 0;
    bool armed_ = false;
    std::int64_t accumulator_ = 0;
    std::int64_t previous_counter_ = 0;
    bool old_computer_reported_ = false;
};

// The capture port: one line, one capture thread.
class CapturePort {
public:
    CapturePort(SerialPortOpener& opener, const PerformanceCounter& counter, CaptureSink& sink,
                const std::atomic<bool>& inverted_adapter, const std::atomic<std::int32_t>& next_frame_number,
                std::atomic<bool>& unsaved);
    ~CapturePort();

    // Opens port n and starts the capture thread; false when the port cannot be opened.
    bool OpenCapturePort(int port_number);
    // Stops the thread (waking its wait), waits for it and closes the port.
    bool CloseCapturePort();
    bool is_open() const { return line_ != nullptr; }
    std::string Description() const;
    // The open line's warning for the user (a slow USB adapter), or empty.
    std::string Hint() const { return line_ ? line_->hint() : std::string(); }

private:
    SerialPortOpener& opener_;
    const PerformanceCounter& counter_;
    CaptureSink& sink_;
    CaptureShared shared_;
    std::unique_ptr<SerialLine> line_;
    std::unique_ptr<CaptureLoop> loop_;
    std::thread thread_;
    std::atomic<bool> finished_{false};
};

}  // namespace kestrovin
