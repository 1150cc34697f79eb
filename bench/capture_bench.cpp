// Reading quality and cost of the capture path.
//  - GoodFrameYield: share of good frames over 1000 simulated frames when each
//    edge is shaken by a uniform jitter (ms) or delivered in steps of a USB
//    adapter's latency timer (ms).
//  - RealTimeReadingCpu: CPU time the program spends while reading the
//    simulator in real time (capture thread, simulator and decoding).
#include <benchmark/benchmark.h>

#include <ctime>
#include <thread>

#include "capture/capture_thread.h"
#include "capture/frame_decoder.h"
#include "capture/port_opener.h"
#include "capture/simulator.h"

namespace kestrovin {
namespace {

class CountingSink final : public CaptureSink {
public:
    CountingSink(std::atomic<bool>& stop, int wanted) : stop_(stop), wanted_(wanted) {}
    int good = 0;
    int lists = 0;
    void PostEdgeList(EdgeBlock block) override {
        Frame frame;
        if (DecodeEdgeList(block, frame) == DecodeOutcome::Good) ++good;
        if (++lists >= wanted_) stop_.store(true);
    }
    void PostInfo(const std::string&) override {}
    void PostLineLost() override { stop_.store(true); }

private:
    std::atomic<bool>& stop_;
    int wanted_;
};

void Yield(benchmark::State& state, double jitter_ms, double latency_ms) {
    constexpr int kFrames = 1000;
    double good_share = 0;
    for (auto _ : state) {
        SimulatorOptions options;
        options.jitter_ms = jitter_ms;
        options.latency_ms = latency_ms;
        options.seed = 2026;
        ManualClock clock;
        SimulatorLine line(options, clock);
        std::atomic<bool> inverted{false};
        std::atomic<std::int32_t> next{1};
        std::atomic<bool> unsaved{false};
        CaptureShared shared{{false}, inverted, next, unsaved};
        CountingSink sink(shared.stop, kFrames);
        CaptureLoop(line, clock, shared, sink).Run();
        good_share = 100.0 * sink.good / kFrames;
    }
    state.counters["good_percent"] = good_share;
}

void GoodFrameYieldJitter(benchmark::State& state) { Yield(state, state.range(0) / 10.0, 0); }
BENCHMARK(GoodFrameYieldJitter)->Arg(0)->Arg(10)->Arg(15)->Arg(20)->Arg(25)->Arg(30)->Iterations(1)->Unit(benchmark::kMillisecond);

void GoodFrameYieldLatency(benchmark::State& state) { Yield(state, 0, static_cast<double>(state.range(0))); }
BENCHMARK(GoodFrameYieldLatency)->Arg(1)->Arg(4)->Arg(8)->Arg(16)->Iterations(1)->Unit(benchmark::kMillisecond);

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

void RealTimeReadingCpu(benchmark::State& state) {
    const auto seconds = static_cast<int>(state.range(0));
    for (auto _ : state) {
        SystemCounter clock;
        PortOpener opener(clock, {}, {});
        std::atomic<bool> inverted{false};
        std::atomic<std::int32_t> next{1};
        std::atomic<bool> unsaved{false};
        std::atomic<bool> never{false};
        CountingSink sink(never, 1 << 30);
        CapturePort port(opener, clock, sink, inverted, next, unsaved);
        const double cpu_before = ProcessCpuSeconds();
        port.OpenCapturePort(50);
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        port.CloseCapturePort();
        const double cpu = ProcessCpuSeconds() - cpu_before;
        state.counters["cpu_percent_of_core"] = 100.0 * cpu / seconds;
        state.counters["frames"] = sink.lists;
    }
}
BENCHMARK(RealTimeReadingCpu)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace kestrovin

BENCHMARK_MAIN();
