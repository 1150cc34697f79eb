#include "capture/frame_decoder.h"

#include <gtest/gtest.h>

#include <random>

#include "capture/edge_list.h"
#include "capture/frame_encoder.h"

namespace kestrovin {
namespace {

using Runs = std::vector<EdgeRecord>;

DecodeOutcome Decode(const Runs& runs, Frame& frame) { return DecodeEdgeList(PackEdgeList(runs), frame); }

Frame SomeFrame() {
    return MakeFrame({17, 113, 96, 45, 4, 228, 0, 60, 128, 0, 0, 146}, {1, 0, 1, 1, 0, 0, 0, 1, 0, 1, 1, 0});
}

TEST(FrameDecoder, WorkedExampleOfAnAllZeroFrame) {
    Runs runs{{0, 13}, {1, 2}};
    for (int i = 0; i < 11; ++i) runs.insert(runs.end(), {{0, 9}, {1, 2}});
    runs.insert(runs.end(), {{0, 9}, {1, 18}});
    ASSERT_EQ(runs.size(), 26u);
    EXPECT_EQ(EncodeEdgeList(Frame{}), runs) << "the encoder writes exactly the documented list";

    Frame frame = SomeFrame();
    ASSERT_EQ(Decode(runs, frame), DecodeOutcome::Good);
    EXPECT_EQ(frame, Frame{});
    std::int64_t total = 0;
    for (const EdgeRecord& run : runs) total += run.ticks;
    EXPECT_EQ(total, 163);
}

TEST(FrameDecoder, ByteFiveArrivesAsItsDocumentedRuns) {
    FrameBytes bytes{};
    bytes[0] = 5;
    const Runs runs = EncodeEdgeList(MakeFrame(bytes));
    const Runs byte_one(runs.begin() + 2, runs.begin() + 8);
    EXPECT_EQ(byte_one, (Runs{{0, 1}, {1, 1}, {0, 1}, {1, 1}, {0, 5}, {1, 2}}));
    Frame frame;
    ASSERT_EQ(Decode(runs, frame), DecodeOutcome::Good);
    EXPECT_EQ(FrameByte(frame, 1), 5);
}

TEST(FrameDecoder, RandomFramesRoundTrip) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> bit(0, 1);
    for (int n = 0; n < 2000; ++n) {
        FrameBytes bytes{};
        IdentifierBits id{};
        for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(random));
        for (auto& b : id) b = static_cast<std::uint8_t>(bit(random));
        const Frame sent = MakeFrame(bytes, id);
        const Runs runs = EncodeEdgeList(sent);
        std::int64_t total = 0;
        for (const EdgeRecord& run : runs) total += run.ticks;
        ASSERT_EQ(total, 163);
        Frame received;
        ASSERT_EQ(Decode(runs, received), DecodeOutcome::Good);
        ASSERT_EQ(received, sent);
        ASSERT_EQ(AllFrameBytes(received), bytes);
    }
}

TEST(FrameDecoder, BoundaryRunSplitsOnlyBetween18And26Ticks) {
    FrameBytes top_ones{};
    top_ones[11] = 0xFF;  // byte 12 all ones: boundary run of 10 + 16 ticks
    const Runs longest = EncodeEdgeList(MakeFrame(top_ones));
    ASSERT_EQ(longest.back(), (EdgeRecord{1, 26}));
    Frame frame;
    EXPECT_EQ(Decode(longest, frame), DecodeOutcome::Good);
    EXPECT_EQ(FrameByte(frame, 12), 0xFF);

    Runs too_long = longest;
    too_long.back().ticks = 27;
    EXPECT_EQ(Decode(too_long, frame), DecodeOutcome::Bad);

    Runs shortest = EncodeEdgeList(Frame{});
    ASSERT_EQ(shortest.back(), (EdgeRecord{1, 18}));
    shortest.back().ticks = 17;  // 1 cell left for the two stop cells
    EXPECT_EQ(Decode(shortest, frame), DecodeOutcome::Bad);
}

TEST(FrameDecoder, MalformedListsAreBadAndLeaveTheFrame) {
    const Runs good = EncodeEdgeList(Frame{});
    struct Case {
        const char* what;
        Runs runs;
    };
    std::vector<Case> cases;
    cases.push_back({"empty list", {}});
    {
        Runs r = good;
        r[0] = {0, 14};  // identifier runs 14 + 2 = 16
        cases.push_back({"identifier group of 16", r});
    }
    {
        Runs r = good;
        r[2] = {0, 10};  // byte 1: 10 + 2 = 12
        cases.push_back({"byte group of 12", r});
    }
    {
        Runs r = good;
        r[0] = {1, 13};  // start cell 1
        cases.push_back({"identifier start cell 1", r});
    }
    {
        Runs r = good;
        r[4] = {0, 10};  // byte 2: 9 zeros then a single 1 stop cell => stop cell 0
        r[5] = {1, 1};
        cases.push_back({"stop cell 0", r});
    }
    {
        Runs r = good;
        r.resize(20);
        cases.push_back({"list runs out", r});
    }
    {
        Runs r = good;
        r.insert(r.begin(), {0, -5});
        r[1] = {0, 18};  // -5 + 18 + 2 = 15: must not write 20 cells into 15
        cases.push_back({"negative run", r});
    }
    {
        Runs r = good;
        r[0] = {0, INT64_MAX};
        cases.push_back({"huge run", r});
    }
    const Frame before = SomeFrame();
    for (const Case& c : cases) {
        Frame frame = before;
        EXPECT_EQ(Decode(c.runs, frame), DecodeOutcome::Bad) << c.what;
        EXPECT_EQ(frame, before) << c.what;
    }
}

TEST(FrameDecoder, AnyIdentifierAndDataBitsAreAccepted) {
    IdentifierBits ones;
    ones.fill(1);
    FrameBytes bytes;
    bytes.fill(0xFF);
    Frame frame;
    EXPECT_EQ(Decode(EncodeEdgeList(MakeFrame(bytes, ones)), frame), DecodeOutcome::Good);
    EXPECT_EQ(frame.identifier_bits, ones);
}

TEST(FrameDecoder, ExtraRecordsAfterByteTwelveAreIgnored) {
    Runs runs = EncodeEdgeList(SomeFrame());
    runs.back().ticks -= 16;  // no header cut: then two more runs follow
    runs.insert(runs.end(), {{0, 3}, {1, 40}});
    Frame frame;
    EXPECT_EQ(Decode(runs, frame), DecodeOutcome::Good);
    EXPECT_EQ(frame, SomeFrame());
}

TEST(FrameDecoder, LengthGuardAt2970Bytes) {
    // 330 records: the first 26 a good frame, the rest zero-length runs that follow it.
    Runs runs = EncodeEdgeList(SomeFrame());
    runs.back().ticks -= 16;
    runs.resize(330, EdgeRecord{1, 0});
    ASSERT_EQ(PackEdgeList(runs).size(), 2970u);
    Frame frame;
    EXPECT_EQ(Decode(runs, frame), DecodeOutcome::Good);

    runs.push_back({1, 0});
    Frame untouched = SomeFrame();
    EXPECT_EQ(Decode(runs, untouched), DecodeOutcome::Ignored);
    EXPECT_EQ(untouched, SomeFrame());
    EdgeBlock partial = PackEdgeList(runs);
    partial.resize(2971);
    EXPECT_EQ(DecodeEdgeList(partial, untouched), DecodeOutcome::Ignored);
}

TEST(FrameDecoder, DiagnosticListingShowsRecordsAsReceived) {
    const auto lines = DiagnosticListing(PackEdgeList(EncodeEdgeList(Frame{})));
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0], "0: 13 бит 0");
    EXPECT_EQ(lines[1], "1: 2 бит -1");
    EXPECT_EQ(lines[4], "4: 9 бит 0");
    EXPECT_EQ(lines[25], "25: 18 бит -1");
    EXPECT_EQ(lines[26], "=Всего: 163 бит =");
    EXPECT_EQ(DiagnosticListing({}), std::vector<std::string>{"=Всего: 0 бит ="});
}

}  // namespace
}  // namespace kestrovin
