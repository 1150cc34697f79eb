#include "capture/capture_thread.h"

#include <chrono>

#include "capture/ticks.h"
#include "platform/thread_priority.h"

namespace kestrovin {

CaptureLoop::CaptureLoop(SerialLine& line, const PerformanceCounter& counter, CaptureShared& shared, CaptureSink& sink)
    : line_(line), counter_(counter), shared_(shared), sink_(sink) {}

std::int64_t CaptureLoop::ElapsedTicks() {
    const std::optional<std::int64_t> frequency = counter_.Frequency();
    if (!frequency || *frequency <= 0) {
        if (!old_computer_reported_) sink_.PostInfo(kOldComputerText);
        old_computer_reported_ = true;
        return 0;
    }
    const std::int64_t now = counter_.Now();
    const std::int64_t elapsed = now - previous_counter_;
    previous_counter_ = now;
    return TicksFromCounts(elapsed, *frequency);
}

void CaptureLoop::Run() {
    previous_counter_ = 0;
    armed_ = false;
    accumulator_ = 0;
    slot_ = 0;
    line_.ReadDsr();
    while (!shared_.stop.load()) {
        const WaitResult result = line_.WaitForDsrChange();
        if (shared_.stop.load()) break;
        if (result == WaitResult::Cancelled || result == WaitResult::OtherEvent) continue;
        const std::optional<bool> dsr = result == WaitResult::DsrChanged ? line_.ReadDsr() : std::nullopt;
        if (!dsr) {
            // The line is gone. Waiting again would fail at once, forever: end
            // the thread and let the window return to idle with the frames kept.
            sink_.PostLineLost();
            return;
        }
        std::uint8_t level = *dsr ? 0 : 1;
        if (shared_.inverted_adapter.load()) level = static_cast<std::uint8_t>(1 - level);
        if (previous_counter_ == 0) previous_counter_ = counter_.Now();
        Record(level, ElapsedTicks());
    }
}

void CaptureLoop::Record(std::uint8_t level, std::int64_t ticks) {
    slots_[static_cast<std::size_t>(slot_)] = {level, ticks};
    if (armed_) accumulator_ += ticks;
    if (level == 1 && ticks >= kBoundaryTicks) {
        if (!armed_) {
            slots_[0] = slots_[static_cast<std::size_t>(slot_)];
            armed_ = true;
            slot_ = 0;
            accumulator_ = 0;
        } else if (accumulator_ >= kFrameTicks) {
            EdgeBlock block = PackEdgeList(std::span<const EdgeRecord>(slots_.data() + 1, static_cast<std::size_t>(slot_)));
            slots_[0] = slots_[static_cast<std::size_t>(slot_)];
            sink_.PostEdgeList(std::move(block));
            slot_ = 0;
            accumulator_ = 0;
            if (shared_.next_frame_number.load() > 1) shared_.unsaved.store(true);
        }
    }
    if (++slot_ == kEdgeSlots) slot_ = 0;
}

CapturePort::CapturePort(SerialPortOpener& opener, const PerformanceCounter& counter, CaptureSink& sink,
                         const std::atomic<bool>& inverted_adapter, const std::atomic<std::int32_t>& next_frame_number,
                         std::atomic<bool>& unsaved)
    : opener_(opener), counter_(counter), sink_(sink), shared_{{false}, inverted_adapter, next_frame_number, unsaved} {}

CapturePort::~CapturePort() { CloseCapturePort(); }

bool CapturePort::OpenCapturePort(int port_number) {
    CloseCapturePort();
    line_ = opener_.Open(port_number);
    if (!line_) return false;
    shared_.stop.store(false);
    finished_.store(false);
    loop_ = std::make_unique<CaptureLoop>(*line_, counter_, shared_, sink_);
    try {
        thread_ = std::thread([this] {
            RaiseCurrentThreadPriority();
            loop_->Run();
            finished_.store(true);
        });
    } catch (const std::system_error&) {
        loop_.reset();
        line_.reset();
        return false;
    }
    return true;
}

bool CapturePort::CloseCapturePort() {
    shared_.stop.store(true);
    if (thread_.joinable()) {
        // A wake can fall just before the thread enters its wait; repeat it
        // until the thread has seen the stop flag.
        while (!finished_.load()) {
            line_->CancelWait();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        thread_.join();
    }
    loop_.reset();
    line_.reset();
    return true;
}

std::string CapturePort::Description() const { return line_ ? line_->Description() : std::string(); }

}  // namespace kestrovin
