#include "capture/capture_thread.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "capture/frame_decoder.h"
#include "capture/frame_encoder.h"
#include "capture/ticks.h"

namespace kestrovin {
namespace {

constexpr std::int64_t kTickNs = 8'200'000;

// One wake of the line: time passes, then DSR takes a level (or something else happens).
struct Step {
    std::int64_t ns = 0;
    bool dsr = false;
    WaitResult result = WaitResult::DsrChanged;
    std::function<void()> before;  // runs when the step is taken
};

// A line that plays a script on a manual clock and stops the loop when it runs out.
class ScriptedLine final : public SerialLine {
public:
    ScriptedLine(ManualClock& clock, std::atomic<bool>& stop) : clock_(clock), stop_(stop) {}
    std::deque<Step> script;
    bool dsr = false;
    bool fail_reads = false;
    int waits = 0;

    WaitResult WaitForDsrChange() override {
        ++waits;
        if (script.empty()) {
            stop_.store(true);
            return WaitResult::Cancelled;
        }
        Step step = script.front();
        script.pop_front();
        if (step.before) step.before();
        clock_.Advance(step.ns);
        if (step.result == WaitResult::DsrChanged) dsr = step.dsr;
        return step.result;
    }
    std::optional<bool> ReadDsr() override {
        if (fail_reads) return std::nullopt;
        return dsr;
    }
    void CancelWait() override {}
    WaitMethod wait_method() const override { return WaitMethod::Simulated; }
    std::string Description() const override { return "script"; }

    // Runs as the line carries them: a run of level 1 is DSR on; `inverted` is a cable that inverts.
    void AddRuns(const std::vector<EdgeRecord>& runs, bool inverted = false) {
        for (const EdgeRecord& run : runs) {
            const bool next_dsr_on = run.level == 0;  // the level changes at the end of the run
            script.push_back({run.ticks * kTickNs, inverted ? !next_dsr_on : next_dsr_on, WaitResult::DsrChanged, {}});
        }
    }

private:
    ManualClock& clock_;
    std::atomic<bool>& stop_;
};

class RecordingSink final : public CaptureSink {
public:
    std::vector<EdgeBlock> lists;
    std::vector<std::string> infos;
    int lost = 0;
    std::atomic<std::int32_t>* next_frame_number = nullptr;

    // The window appends each list some time after it was posted, before the next one arrives.
    void PostEdgeList(EdgeBlock block) override {
        if (next_frame_number != nullptr && !lists.empty()) next_frame_number->fetch_add(1);
        lists.push_back(std::move(block));
    }
    void PostInfo(const std::string& text) override { infos.push_back(text); }
    void PostLineLost() override { ++lost; }
};

class CaptureLoopTest : public ::testing::Test {
protected:
    CaptureLoopTest() : line(clock, shared.stop) { sink.next_frame_number = &next_frame_number; }

    void Run() { CaptureLoop(line, clock, shared, sink).Run(); }

    // A throw-away first run (it gets 0 ticks) and a boundary that arms the loop.
    void Arm(bool inverted = false) { line.AddRuns({{0, 5}, {1, 20}}, inverted); }

    static Frame FrameNo(int n) { return MakeFrame({static_cast<std::uint8_t>(n), 113, 96, 45, 4, 228, 0, 60, 128, 0, 0, 146}); }
    static EdgeBlock Encoded(int n) { return PackEdgeList(EncodeEdgeList(FrameNo(n))); }

    ManualClock clock;
    std::atomic<bool> inverted{false};
    std::atomic<std::int32_t> next_frame_number{1};
    std::atomic<bool> unsaved{false};
    CaptureShared shared{{false}, inverted, next_frame_number, unsaved};
    ScriptedLine line;
    RecordingSink sink;
};

TEST(Ticks, RoundHalfToEven) {
    struct Case {
        std::int64_t ns;
        std::int64_t ticks;
    };
    for (const Case& c : {Case{8'200'000, 1}, Case{143'500'000, 18}, Case{135'300'000, 16}, Case{4'100'000, 0},
                          Case{12'300'000, 2}, Case{4'100'001, 1}, Case{0, 0}, Case{-8'200'000, -1},
                          Case{1'336'600'000, 163}, Case{3'600'000'000'000LL, 439'024}})
        EXPECT_EQ(TicksFromCounts(c.ns, 1'000'000'000), c.ticks) << c.ns;
    EXPECT_EQ(TicksFromCounts(82, 10'000), 1);  // a slow counter
    EXPECT_EQ(TicksFromCounts(123, 0), 0);
}

TEST_F(CaptureLoopTest, FirstBoundaryOnlyArms) {
    line.AddRuns({{0, 5}});
    line.AddRuns(EncodeEdgeList(FrameNo(1)));  // its boundary arms
    line.AddRuns(EncodeEdgeList(FrameNo(2)));
    line.AddRuns(EncodeEdgeList(FrameNo(3)));
    line.AddRuns({{0, 2}});
    Run();
    EXPECT_EQ(sink.lists, (std::vector<EdgeBlock>{Encoded(2), Encoded(3)}));
}

TEST_F(CaptureLoopTest, BoundaryNeedsEighteenTicksOfLevelOne) {
    for (int boundary : {17, 18}) {
        ScriptedLine fresh(clock, shared.stop);
        shared.stop = false;
        fresh.AddRuns({{0, 5}, {1, boundary}});
        fresh.AddRuns(EncodeEdgeList(FrameNo(1)));
        fresh.AddRuns(EncodeEdgeList(FrameNo(2)));
        fresh.AddRuns({{0, 2}});
        RecordingSink lists;
        CaptureLoop(fresh, clock, shared, lists).Run();
        EXPECT_EQ(lists.lists.size(), boundary == 18 ? 2u : 1u) << boundary;
        EXPECT_EQ(lists.lists.back(), Encoded(2)) << boundary;
    }
}

TEST_F(CaptureLoopTest, ListEndsOnlyAfter163TicksAndNeverOnLevelZero) {
    Arm();
    line.AddRuns({{0, 10}, {1, 30}, {0, 100}, {1, 25}});  // 30 ticks of 1 at 40: no end yet
    line.AddRuns({{0, 400}, {1, 20}});                     // level 0, however long, ends nothing
    line.AddRuns({{0, 1}});
    Run();
    ASSERT_EQ(sink.lists.size(), 2u);
    EXPECT_EQ(UnpackEdgeList(sink.lists[0]), (std::vector<EdgeRecord>{{0, 10}, {1, 30}, {0, 100}, {1, 25}}));
    EXPECT_EQ(UnpackEdgeList(sink.lists[1]), (std::vector<EdgeRecord>{{0, 400}, {1, 20}}));
}

TEST_F(CaptureLoopTest, InvertedAdapterSettingUndoesAnInvertingCable) {
    inverted = true;
    Arm(true);
    line.AddRuns(EncodeEdgeList(FrameNo(7)), true);
    line.AddRuns({{0, 20}, {1, 2}}, true);  // 20 ticks of DSR on read as level 0: no boundary
    line.AddRuns({{0, 2}}, true);
    Run();
    ASSERT_EQ(sink.lists.size(), 1u);
    EXPECT_EQ(sink.lists[0], Encoded(7));
}

TEST_F(CaptureLoopTest, EventsWithoutDsrChangeAddNoRecord) {
    Arm();
    for (const EdgeRecord& run : EncodeEdgeList(FrameNo(4))) {
        line.script.push_back({0, false, WaitResult::OtherEvent, {}});
        line.AddRuns({run});
    }
    line.AddRuns({{0, 2}});
    Run();
    ASSERT_EQ(sink.lists.size(), 1u);
    EXPECT_EQ(sink.lists[0], Encoded(4));
}

TEST_F(CaptureLoopTest, StopFlagEndsTheThreadWithoutFurtherRecords) {
    Arm();
    line.AddRuns(EncodeEdgeList(FrameNo(1)));
    line.AddRuns({{0, 3}});
    line.script.back().before = [this] { shared.stop = true; };
    line.AddRuns(EncodeEdgeList(FrameNo(2)));
    Run();
    EXPECT_EQ(sink.lists, std::vector<EdgeBlock>{Encoded(1)});
    EXPECT_FALSE(line.script.empty()) << "the loop went on after the stop flag";
}

TEST_F(CaptureLoopTest, FirstListOfARunLeavesTheRecordingSaved) {
    Arm();
    line.AddRuns(EncodeEdgeList(FrameNo(1)));
    line.AddRuns({{0, 1}});
    line.script.back().before = [this] { EXPECT_FALSE(unsaved.load()); };
    line.AddRuns(EncodeEdgeList(FrameNo(2)));
    line.AddRuns({{0, 1}});
    Run();
    EXPECT_EQ(sink.lists.size(), 2u);
    EXPECT_TRUE(unsaved.load());
}

TEST_F(CaptureLoopTest, SlotIndexWrapsWithoutOverrunning) {
    Arm();
    std::vector<EdgeRecord> runs;
    for (int i = 0; i < 200; ++i) runs.insert(runs.end(), {{0, 1}, {1, 1}});  // 400 records, no boundary
    runs.push_back({0, 1});
    runs.push_back({1, 20});  // record 402 closes the list
    line.AddRuns(runs);
    line.AddRuns({{0, 1}});
    Run();
    ASSERT_EQ(sink.lists.size(), 1u);
    EXPECT_EQ(sink.lists[0].size(), (402 % kEdgeSlots) * kEdgeRecordBytes);
    Frame frame;
    EXPECT_EQ(DecodeEdgeList(sink.lists[0], frame), DecodeOutcome::Bad);
}

TEST_F(CaptureLoopTest, LostLineEndsTheThreadAtOnce) {
    Arm();
    line.AddRuns(EncodeEdgeList(FrameNo(1)));
    line.AddRuns({{0, 2}});
    line.script.push_back({0, false, WaitResult::Failed, {}});
    line.AddRuns(EncodeEdgeList(FrameNo(2)));
    Run();
    EXPECT_EQ(sink.lost, 1);
    EXPECT_EQ(sink.lists.size(), 1u) << "frames before the loss are handed over";
    EXPECT_FALSE(shared.stop.load()) << "the loop ended by itself, not through the stop flag";
    EXPECT_EQ(line.waits, static_cast<int>(2 + EncodeEdgeList(FrameNo(1)).size() + 1 + 1)) << "no wait after the loss";

    line.script.clear();
    line.fail_reads = true;  // a status that cannot be read is a lost line too
    line.AddRuns({{0, 5}});
    sink.lost = 0;
    Run();
    EXPECT_EQ(sink.lost, 1);
}

TEST_F(CaptureLoopTest, NoCounterFrequencyMeansNoFramesAndOneNotice) {
    ManualClock no_frequency(std::nullopt);
    CaptureLoop loop(line, no_frequency, shared, sink);
    Arm();
    line.AddRuns(EncodeEdgeList(FrameNo(1)));
    line.AddRuns(EncodeEdgeList(FrameNo(2)));
    loop.Run();
    EXPECT_TRUE(sink.lists.empty());
    EXPECT_EQ(sink.infos, std::vector<std::string>{kOldComputerText});
}

}  // namespace
}  // namespace kestrovin
