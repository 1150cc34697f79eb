#include "record/recording.h"

#include <gtest/gtest.h>

#include "record/graph_follow.h"
#include "support/scripted_dialogs.h"

namespace kestrovin {
namespace {

// Records what the store asks of the windows.
class RecordedHost final : public RecordingHost {
public:
    bool idle = true;
    bool graph_visible = false;
    std::vector<int> drawn;
    std::vector<std::string> calls;
    FrameStore* store = nullptr;  // a save that succeeds clears the flag
    bool save_succeeds = false;

    bool IsIdle() const override { return idle; }
    void MemoDraw(int k) override { drawn.push_back(k); }
    void ShowFramePosition(int count, int position) override {
        calls.push_back("bars " + std::to_string(count) + " " + std::to_string(position));
    }
    bool GraphVisible() const override { return graph_visible; }
    void StartGraphFollow() override { calls.push_back("graph follow"); }
    void KeepGraphOnFrame(int p) override { calls.push_back("graph keep " + std::to_string(p)); }
    void GraphFramesDeleted(int old_count, int count) override {
        calls.push_back("graph deleted " + std::to_string(old_count) + " " + std::to_string(count));
    }
    void StopInitialTimer() override {}
    void EndReadingRun() override { calls.push_back("end reading"); }
    void EnableIdleControls(bool value) override { idle = value; }
    void SaveRecording() override {
        calls.push_back("save");
        if (save_succeeds) store->unsaved = false;
    }
    void ViewsCleared() override { calls.push_back("views cleared"); }

    bool Called(const std::string& call) const { return std::find(calls.begin(), calls.end(), call) != calls.end(); }
};

class RecordingTest : public ::testing::Test {
protected:
    RecordingTest() : recording(store, current, host, dialogs, [this] { return ++clock; }) { host.store = &store; }

    // Appends frames whose first byte is 1, 2, 3, ...
    void AppendNumbered(int count) {
        for (int i = 0; i < count; ++i) {
            FrameBytes bytes{};
            bytes[0] = static_cast<std::uint8_t>(store.next_frame_number.load() % 256);
            current = MakeFrame(bytes);
            recording.AppendFrame();
        }
    }

    FrameStore store;
    Frame current;
    RecordedHost host;
    testing::ScriptedDialogs dialogs;
    double clock = 40000;
    Recording recording;
};

TEST_F(RecordingTest, StartUpStoresOneZeroFrameAndStaysSaved) {
    recording.AppendFrame();
    EXPECT_EQ(store.frame_count(), 1);
    EXPECT_EQ(store.current_frame(), 1);
    EXPECT_EQ(store.next_frame_number, 2);
    EXPECT_FALSE(store.unsaved);
    EXPECT_EQ(store.frame(1).analogue, (std::array<std::uint8_t, 10>{}));
    EXPECT_EQ(host.drawn, std::vector<int>{1});

    recording.ConfirmDiscard();  // "Новый" right after start: no question
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecordingTest, AppendStoresBytesFlagsAndTime) {
    recording.ClearRecording();
    current = MakeFrame({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0b1000'0001, 0b0100'0010}, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    recording.AppendFrame();
    const StoredFrame& frame = store.frame(1);
    EXPECT_EQ(BytesOf(frame), AllFrameBytes(current));
    EXPECT_EQ(frame.flags11, (std::array<std::uint8_t, 8>{1, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(frame.identifier_bits, current.identifier_bits);
    EXPECT_DOUBLE_EQ(frame.time_stamp, clock);
}

TEST_F(RecordingTest, FullStoreEndsTheRunAndOffersToSave) {
    recording.ClearRecording();
    host.idle = false;
    AppendNumbered(kStoreCapacity);
    EXPECT_EQ(store.frame_count(), kStoreCapacity);
    EXPECT_TRUE(host.Called("end reading"));
    EXPECT_TRUE(host.Called("save"));
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "save"), 1);
    AppendNumbered(1);
    EXPECT_EQ(store.frame_count(), kStoreCapacity);
    EXPECT_EQ(store.frame(kStoreCapacity).analogue[0], kStoreCapacity % 256);
}

TEST_F(RecordingTest, MovingTheBarWhileReadingRedrawsNothing) {
    recording.ClearRecording();
    AppendNumbered(5);
    host.idle = false;
    host.drawn.clear();
    recording.ScrollBar1Change(2);
    EXPECT_TRUE(host.drawn.empty());
    host.idle = true;
    recording.ScrollBar1Change(3);
    EXPECT_EQ(host.drawn, std::vector<int>{3});
    host.graph_visible = true;
    recording.ScrollBar1Change(9);  // beyond the recording: the bar stops at the last frame
    EXPECT_EQ(store.current_frame(), 5);
    EXPECT_TRUE(host.Called("graph keep 5"));
}

TEST_F(RecordingTest, ConfirmDiscardOutcomes) {
    struct Case {
        const char* what;
        DialogResult answer;
        bool save_succeeds;
        bool cleared;
    };
    for (const Case& c : {Case{"yes, saved", DialogResult::Yes, true, true},
                          Case{"yes, save cancelled", DialogResult::Yes, false, false},
                          Case{"no", DialogResult::No, false, true},
                          Case{"cancel", DialogResult::Cancel, false, false}}) {
        recording.ClearRecording();
        AppendNumbered(3);
        store.unsaved = true;
        host.save_succeeds = c.save_succeeds;
        dialogs.message_answers = {c.answer};
        dialogs.shown.clear();
        recording.ConfirmDiscard();
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.what;
        EXPECT_EQ(dialogs.shown[0].caption, "Внимание!");
        EXPECT_EQ(dialogs.shown[0].text, "Данные не сохранены. Сохранить их в файл?");
        EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::YesNoCancel);
        EXPECT_EQ(store.frame_count(), c.cleared ? 1 : 3) << c.what;
        EXPECT_EQ(store.unsaved.load(), !c.cleared) << c.what;
    }
}

TEST_F(RecordingTest, ClearEmptiesEverythingButKeepsTheViewsInformed) {
    recording.ClearRecording();
    AppendNumbered(4);
    store.frame(2).spare = 1;
    host.calls.clear();
    recording.ClearRecording();
    EXPECT_EQ(store.frame_count(), 1);
    EXPECT_EQ(store.next_frame_number, 1);
    EXPECT_EQ(current, Frame{});
    EXPECT_EQ(store.frame(2), StoredFrame{});
    EXPECT_DOUBLE_EQ(store.frame(1).time_stamp, clock);
    EXPECT_TRUE(host.Called("views cleared"));
    EXPECT_TRUE(host.Called("bars 1 1"));
}

TEST_F(RecordingTest, DeletionMovesLaterFramesDown) {
    recording.ClearRecording();
    AppendNumbered(5);  // first bytes 1..5
    store.frame(4).spare = 1;
    recording.ScrollBar1Change(2);
    recording.DeleteCurrentFrame();
    EXPECT_EQ(store.frame_count(), 4);
    EXPECT_EQ(store.current_frame(), 2);
    EXPECT_EQ(store.frame(1).analogue[0], 1);
    EXPECT_EQ(store.frame(2).analogue[0], 3);
    EXPECT_EQ(store.frame(3).spare, 1) << "the spare mark moves with its frame";
    EXPECT_EQ(store.frame(4).analogue[0], 5);
    EXPECT_TRUE(store.unsaved);

    recording.ScrollBar1Change(4);  // the last frame: nothing moves, the current frame steps back
    host.graph_visible = true;
    recording.DeleteCurrentFrame();
    EXPECT_EQ(store.frame_count(), 3);
    EXPECT_EQ(store.current_frame(), 3);
    EXPECT_EQ(store.frame(3).analogue[0], 4);
    EXPECT_TRUE(host.Called("graph deleted 4 3"));
}

TEST_F(RecordingTest, TheOnlyFrameCannotBeDeleted) {
    recording.ClearRecording();
    AppendNumbered(2);
    recording.DeleteCurrentFrame();
    EXPECT_EQ(store.frame_count(), 1);
    store.unsaved = false;
    dialogs.message_answers = {DialogResult::Ok};
    recording.DeleteCurrentFrame();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Что удалять то собрались? Ничего же не останется ;)");
    EXPECT_EQ(store.frame_count(), 1);
    EXPECT_FALSE(store.unsaved);
}

TEST_F(RecordingTest, AppendWithTheGraphOpenStartsItsFollow) {
    recording.ClearRecording();
    host.graph_visible = true;
    AppendNumbered(1);
    EXPECT_TRUE(host.Called("graph follow"));
}

TEST(GraphFollow, NewestFiftyFramesWithTheMarkerOnTheLast) {
    const GraphFollow late = ComputeGraphFollow(120);
    EXPECT_EQ(late.start, 71);
    EXPECT_EQ(late.first_frame, 71);
    EXPECT_EQ(late.marker, 49);
    EXPECT_EQ(late.start_max, 71);
    EXPECT_EQ(late.length, 50);
    const GraphFollow early = ComputeGraphFollow(30);
    EXPECT_EQ(early.start, 1);
    EXPECT_EQ(early.first_frame, 1);
    EXPECT_EQ(early.marker, 29);
    EXPECT_EQ(early.length, 30);
    EXPECT_EQ(ComputeGraphFollow(50).length, 50);
    EXPECT_EQ(ComputeGraphFollow(51).start, 2);
}

TEST(GraphFollow, FrameIsKeptInsideTheVisibleRange) {
    EXPECT_EQ(KeepFrameInGraph(10, 20, 49).start, 10);
    EXPECT_EQ(KeepFrameInGraph(10, 20, 49).marker, 0);
    EXPECT_EQ(KeepFrameInGraph(100, 20, 49).start, 51);
    EXPECT_EQ(KeepFrameInGraph(100, 20, 49).marker, 49);
    EXPECT_EQ(KeepFrameInGraph(30, 20, 49).start, 20);
    EXPECT_EQ(KeepFrameInGraph(30, 20, 49).marker, 10);
}

TEST(GraphFollow, WindowLengthChoicesAfterDeletion) {
    using List = std::vector<std::string>;
    EXPECT_EQ(GraphLengthChoices(4), (List{"5"}));
    EXPECT_EQ(GraphLengthChoices(5), (List{"5"}));
    EXPECT_EQ(GraphLengthChoices(10), (List{"5", "10", "10"}));
    EXPECT_EQ(GraphLengthChoices(57), (List{"5", "10", "20", "50", "57"}));
    EXPECT_EQ(GraphLengthChoices(2000), (List{"5", "10", "20", "50", "100", "200", "500", "1000", "2000", "2000"}));
}

}  // namespace
}  // namespace kestrovin
