#include "capture/simulator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "capture/capture_thread.h"
#include "capture/frame_decoder.h"
#include "capture/port_opener.h"
#include "capture/synthetic_drive.h"
#include "record/frame_store.h"
#include "support/shared_data.h"

namespace kestrovin {
namespace {

// Decodes every list as the window would and stops the loop after `wanted` lists.
class DecodingSink final : public CaptureSink {
public:
    DecodingSink(std::atomic<bool>& stop, std::size_t wanted) : stop_(stop), wanted_(wanted) {}
    std::vector<FrameBytes> good;
    int bad = 0;
    std::atomic<int> lists{0};
    std::atomic<int> lost{0};

    void PostEdgeList(EdgeBlock block) override {
        Frame frame;
        if (DecodeEdgeList(block, frame) == DecodeOutcome::Good) {
            good.push_back(AllFrameBytes(frame));
        } else {
            ++bad;
        }
        if (static_cast<std::size_t>(++lists) >= wanted_) stop_.store(true);
    }
    void PostInfo(const std::string&) override {}
    void PostLineLost() override { ++lost; }

private:
    std::atomic<bool>& stop_;
    std::size_t wanted_;
};

struct Reading {
    std::atomic<bool> inverted{false};
    std::atomic<std::int32_t> next{1};
    std::atomic<bool> unsaved{false};
    CaptureShared shared{{false}, inverted, next, unsaved};
};

struct Outcome {
    std::vector<FrameBytes> good;
    int bad = 0;
};

Outcome ReadSimulator(Reading& reading, const SimulatorOptions& options, std::size_t frames) {
    ManualClock clock;
    SimulatorLine line(options, clock);
    DecodingSink sink(reading.shared.stop, frames);
    CaptureLoop(line, clock, reading.shared, sink).Run();
    return {sink.good, sink.bad};
}

TEST(Simulator, RealDriveArrivesWholeAndUnchanged) {
    SimulatorOptions options;
    options.replay = testing::RealDriveFrames();
    ASSERT_GT(options.replay.size(), 1000u);
    options.loop = false;
    Reading reading;
    const Outcome sink = ReadSimulator(reading, options, options.replay.size());
    EXPECT_EQ(sink.bad, 0);
    ASSERT_EQ(sink.good.size(), options.replay.size());
    FrameStore store;
    for (std::size_t i = 0; i < sink.good.size(); ++i) {
        store.StoreFrame(static_cast<int>(i) + 1, MakeFrame(sink.good[i]), 0);
        ASSERT_EQ(BytesOf(store.frame(static_cast<int>(i) + 1)), options.replay[i]) << "frame " << i + 1;
    }
}

TEST(Simulator, SyntheticDriveIsGoodFromTheFirstFrame) {
    Reading reading;
    const Outcome sink = ReadSimulator(reading, {}, 700);
    EXPECT_EQ(sink.bad, 0);
    ASSERT_EQ(sink.good.size(), 700u);
    for (std::size_t i = 0; i < sink.good.size(); ++i) ASSERT_EQ(sink.good[i], SyntheticDriveFrame(static_cast<long>(i))) << i;
    // The drive starts the engine, warms up and moves.
    EXPECT_TRUE(sink.good[0][11] & 1) << "starter on in the first frame";
    EXPECT_TRUE(sink.good[10][10] & 2) << "cold engine at first";
    EXPECT_FALSE(sink.good[400][10] & 2) << "warm later";
    int fastest = 0;
    for (const FrameBytes& bytes : sink.good) fastest = std::max<int>(fastest, bytes[7]);
    EXPECT_GE(fastest, 100);
}

TEST(Simulator, JitterUpToTwoMillisecondsLosesNothing) {
    struct Case {
        double jitter;
        bool all_good;
    };
    for (const Case& c : {Case{1.0, true}, Case{2.0, true}, Case{3.0, false}}) {
        SimulatorOptions options;
        options.jitter_ms = c.jitter;
        options.seed = 11;
        Reading reading;
        const Outcome sink = ReadSimulator(reading, options, 300);
        EXPECT_EQ(sink.bad == 0, c.all_good) << c.jitter << " ms: " << sink.bad << " bad";
    }
}

TEST(Simulator, SpoiltFramesAreBadTheRestGood) {
    SimulatorOptions options;
    options.bad_share = 0.3;
    Reading reading;
    const Outcome sink = ReadSimulator(reading, options, 200);
    EXPECT_GT(sink.bad, 30);
    EXPECT_LT(sink.bad, 90);
    EXPECT_EQ(sink.bad + static_cast<int>(sink.good.size()), 200);
}

TEST(Simulator, OptionsAreParsedAndBadOnesNamed) {
    const SimulatorOptions options = ParseSimulatorOptions("jitter=1.5,latency=16,bad=0.05,loop=0,seed=7");
    EXPECT_DOUBLE_EQ(options.jitter_ms, 1.5);
    EXPECT_DOUBLE_EQ(options.latency_ms, 16);
    EXPECT_DOUBLE_EQ(options.bad_share, 0.05);
    EXPECT_FALSE(options.loop);
    EXPECT_EQ(options.seed, 7u);
    EXPECT_EQ(ParseSimulatorOptions("replay=" + testing::SharedDataPath("real-drive.csv")).replay.size(),
              testing::RealDriveFrames().size());
    for (const char* bad : {"jitter=abc", "speed=3", "jitter=-1", "replay=/nonexistent.csv"}) {
        try {
            ParseSimulatorOptions(bad);
            ADD_FAILURE() << bad << " accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find("симулятор"), std::string::npos) << error.what();
        }
    }
}

// A line that serves the simulator for a while and then fails like a pulled adapter.
class VanishingLine final : public SerialLine {
public:
    VanishingLine(const WaitableClock& clock, int changes) : inner_({}, clock), changes_left_(changes) {}
    WaitResult WaitForDsrChange() override {
        if (changes_left_-- <= 0) return WaitResult::Failed;
        return inner_.WaitForDsrChange();
    }
    std::optional<bool> ReadDsr() override { return inner_.ReadDsr(); }
    void CancelWait() override { inner_.CancelWait(); }
    WaitMethod wait_method() const override { return WaitMethod::Simulated; }
    std::string Description() const override { return "vanishing"; }

private:
    SimulatorLine inner_;
    int changes_left_;
};

class VanishingOpener final : public SerialPortOpener {
public:
    explicit VanishingOpener(const WaitableClock& clock) : clock_(clock) {}
    std::unique_ptr<SerialLine> Open(int port_number) override {
        if (port_number != 7) return nullptr;
        return std::make_unique<VanishingLine>(clock_, 200);
    }

private:
    const WaitableClock& clock_;
};

TEST(CapturePort, ThreadEndsByItselfWhenTheAdapterVanishes) {
    ManualClock clock;
    VanishingOpener opener(clock);
    Reading reading;
    DecodingSink sink(reading.shared.stop, 1000);
    CapturePort port(opener, clock, sink, reading.inverted, reading.next, reading.unsaved);
    EXPECT_FALSE(port.OpenCapturePort(3));
    ASSERT_TRUE(port.OpenCapturePort(7));
    const auto start = std::chrono::steady_clock::now();
    while (sink.lost.load() == 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(sink.lost.load(), 1);
    EXPECT_GT(sink.lists.load(), 0) << "frames before the loss were handed over";
    EXPECT_TRUE(port.CloseCapturePort());
}

TEST(CapturePort, RealTimeSimulatorStopsPromptly) {
    SystemCounter clock;
    PortOpener opener(clock, {}, {});
    Reading reading;
    DecodingSink sink(reading.shared.stop, 1000);
    CapturePort port(opener, clock, sink, reading.inverted, reading.next, reading.unsaved);
    ASSERT_TRUE(port.OpenCapturePort(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto start = std::chrono::steady_clock::now();
    port.CloseCapturePort();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_FALSE(port.is_open());
}

}  // namespace
}  // namespace kestrovin
