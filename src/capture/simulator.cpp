#include "capture/simulator.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "capture/frame_encoder.h"
#include "capture/raw_frames.h"
#include "capture/synthetic_drive.h"
#include "platform/atomic_file.h"
#include "platform/usb_latency.h"

namespace kestrovin {
namespace {

constexpr std::int64_t kCellNs = 8'200'000;
// The line is joined just after a frame's last data cell: one 0 cell, then two
// stop cells and the next header make a boundary run of 18 cells.
constexpr long kLeadInCells = 3;
constexpr std::uint8_t kLeadIn[kLeadInCells] = {0, 1, 1};

double ParseNumber(const std::string& key, const std::string& value) {
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < 0)
        throw std::invalid_argument("симулятор: значение " + key + " должно быть неотрицательным числом: «" + value + "»");
    return number;
}

}  // namespace

SimulatorOptions ParseSimulatorOptions(const std::string& text) {
    SimulatorOptions options;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(',', at);
        if (end == std::string::npos) end = text.size();
        const std::string part = text.substr(at, end - at);
        at = end + 1;
        if (part.empty()) continue;
        const std::size_t eq = part.find('=');
        const std::string key = part.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : part.substr(eq + 1);
        if (key == "replay") {
            std::string bytes;
            if (!ReadWholeFile(value, bytes)) throw std::invalid_argument("симулятор: файл " + value + " не читается");
            try {
                options.replay = ParseRawFrames(bytes);
            } catch (const RawFramesError& error) {
                throw std::invalid_argument("симулятор: " + value + ":" + std::to_string(error.line()) + ": " + error.what());
            }
            if (options.replay.empty()) throw std::invalid_argument("симулятор: в файле " + value + " нет кадров");
        } else if (key == "jitter") {
            options.jitter_ms = ParseNumber(key, value);
        } else if (key == "latency") {
            options.latency_ms = ParseNumber(key, value);
        } else if (key == "bad") {
            options.bad_share = std::min(1.0, ParseNumber(key, value));
        } else if (key == "loop") {
            options.loop = ParseNumber(key, value) != 0;
        } else if (key == "seed") {
            options.seed = static_cast<std::uint32_t>(ParseNumber(key, value));
        } else {
            throw std::invalid_argument("симулятор: неизвестный параметр «" + key + "»");
        }
    }
    return options;
}

SimulatorLine::SimulatorLine(SimulatorOptions options, const WaitableClock& clock)
    : options_(std::move(options)), clock_(clock), wake_fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      random_(options_.seed) {}

SimulatorLine::~SimulatorLine() {
    if (wake_fd_ >= 0) close(wake_fd_);
}

FrameBytes SimulatorLine::FrameAt(long index) const {
    if (options_.replay.empty()) return SyntheticDriveFrame(index);
    return options_.replay[static_cast<std::size_t>(index) % options_.replay.size()];
}

void SimulatorLine::LoadFrame(long index) {
    const auto cells = LineCells(MakeFrame(FrameAt(index)));
    frame_cells_.assign(cells.begin(), cells.end());
    if (options_.bad_share > 0 && std::uniform_real_distribution<double>(0, 1)(random_) < options_.bad_share)
        frame_cells_[16 + 15 + 4 * 11 + 9] = 0;  // a stop cell of byte 5
    frame_ = index;
}

std::uint8_t SimulatorLine::CellAt(long cell) {
    if (cell < kLeadInCells) return kLeadIn[cell];
    const long index = (cell - kLeadInCells) / kLineCellsPerFrame;
    const long frames = static_cast<long>(options_.replay.size());
    if (!options_.loop && frames > 0 && index >= frames) {
        // The next header and one start cell close the last frame's boundary
        // run; then the line rests high.
        const long after = cell - kLeadInCells - frames * kLineCellsPerFrame;
        return after == 16 ? 0 : 1;
    }
    if (index != frame_) LoadFrame(index);
    return frame_cells_[static_cast<std::size_t>((cell - kLeadInCells) % kLineCellsPerFrame)];
}

WaitResult SimulatorLine::WaitForDsrChange() {
    if (cancel_.exchange(false)) return WaitResult::Cancelled;
    if (!started_) {
        started_ = true;
        start_time_ = clock_.Now();
        last_delivery_ = start_time_;
        cell_ = 0;
        dsr_ = CellAt(0) != 0;
    }
    // The next cell whose level differs from the present one.
    const std::uint8_t level = CellAt(cell_);
    long next = cell_ + 1;
    const long give_up = next + 4 * kLineCellsPerFrame;
    while (next < give_up && CellAt(next) == level) ++next;
    if (next == give_up) {
        finished_ = true;  // nothing more will change: rest a second at a time
        if (clock_.SleepUntil(clock_.Now() + 1'000'000'000, wake_fd_)) return WaitResult::OtherEvent;
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t got = read(wake_fd_, &count, sizeof count);
        cancel_.store(false);
        return WaitResult::Cancelled;
    }
    double delivery = static_cast<double>(start_time_) + static_cast<double>(next) * kCellNs;
    if (options_.jitter_ms > 0)
        delivery += std::uniform_real_distribution<double>(-options_.jitter_ms, options_.jitter_ms)(random_) * 1e6;
    if (options_.latency_ms > 0) {
        const double step = options_.latency_ms * 1e6;
        delivery = std::ceil((delivery - static_cast<double>(start_time_)) / step) * step + static_cast<double>(start_time_);
    }
    const std::int64_t when = std::max(last_delivery_, static_cast<std::int64_t>(std::llround(delivery)));
    if (!clock_.SleepUntil(when, wake_fd_)) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t got = read(wake_fd_, &count, sizeof count);
        cancel_.store(false);
        return WaitResult::Cancelled;
    }
    last_delivery_ = when;
    cell_ = next;
    dsr_ = CellAt(cell_) != 0;
    return WaitResult::DsrChanged;
}

void SimulatorLine::CancelWait() {
    cancel_.store(true);
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake_fd_, &one, sizeof one);
}

std::optional<int> SimulatorLine::latency_ms() const {
    if (options_.latency_ms <= 0) return std::nullopt;
    return static_cast<int>(std::lround(options_.latency_ms));
}

std::string SimulatorLine::hint() const {
    const std::optional<int> latency = latency_ms();
    if (!latency || *latency <= kLatencyLimitMs) return {};
    return "Симулятор: адаптер сообщает о фронтах с задержкой " + std::to_string(*latency) +
           " мс, кадры будут теряться";
}

std::string SimulatorLine::Description() const {
    std::string text = "симулятор ЭБУ";
    if (!options_.replay.empty()) text += ", запись из " + std::to_string(options_.replay.size()) + " кадров";
    if (options_.latency_ms > 0) text += ", задержка адаптера " + std::to_string(std::lround(options_.latency_ms)) + " мс";
    return text;
}

}  // namespace kestrovin
