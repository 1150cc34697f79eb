#include "record/recording.h"

namespace kestrovin {

Recording::Recording(FrameStore& store, Frame& current_frame, RecordingHost& host, Dialogs& dialogs,
                     std::function<DateTime()> now)
    : store_(store), current_frame_(current_frame), host_(host), dialogs_(dialogs), now_(std::move(now)) {}

void Recording::AppendFrame() {
    const int k = store_.next_frame_number.load();
    if (k < 1 || k > kStoreCapacity) return;  // a full store takes nothing more
    store_.StoreFrame(k, current_frame_, now_());
    store_.SetFrameCount(k);
    MoveToFrame(k);
    host_.MemoDraw(k);
    if (host_.GraphVisible()) host_.StartGraphFollow();
    store_.next_frame_number.store(k + 1);
    host_.StopInitialTimer();
    if (k + 1 > kStoreCapacity) {
        host_.EndReadingRun();
        host_.SaveRecording();
    }
}

void Recording::ClearRecording() {
    host_.EnableIdleControls(true);
    current_frame_ = Frame{};
    store_.ZeroAll();
    store_.frame(1).time_stamp = now_();
    store_.next_frame_number.store(1);
    host_.ShowFramePosition(1, 1);
    host_.MemoDraw(1);
    store_.unsaved.store(false);
    host_.ViewsCleared();
}

void Recording::ConfirmDiscard() {
    if (!store_.unsaved.load()) {
        ClearRecording();
        return;
    }
    switch (dialogs_.Message("Внимание!", "Данные не сохранены. Сохранить их в файл?", DialogIcon::Warning,
                             DialogButtons::YesNoCancel)) {
        case DialogResult::Yes:
            host_.SaveRecording();
            if (!store_.unsaved.load()) ClearRecording();
            break;
        case DialogResult::No:
            ClearRecording();
            break;
        default:
            break;  // kept
    }
}

void Recording::ScrollBar1Change(int p) {
    store_.SetCurrentFrame(p);
    if (!host_.IsIdle()) return;
    const int current = store_.current_frame();
    host_.MemoDraw(current);
    host_.ShowFramePosition(store_.frame_count(), current);
    if (host_.GraphVisible()) host_.KeepGraphOnFrame(current);
}

void Recording::MoveToFrame(int p) {
    const int before = store_.current_frame();
    store_.SetCurrentFrame(p);
    host_.ShowFramePosition(store_.frame_count(), store_.current_frame());
    if (store_.current_frame() != before) ScrollBar1Change(store_.current_frame());
}

void Recording::DeleteCurrentFrame() {
    const int n = store_.frame_count();
    if (n == 1) {
        dialogs_.Message("Kestrovin", "Что удалять то собрались? Ничего же не останется ;)", DialogIcon::None,
                         DialogButtons::Ok);
        return;
    }
    store_.RemoveFrame(store_.current_frame());
    host_.ShowFramePosition(store_.frame_count(), store_.current_frame());
    host_.MemoDraw(store_.current_frame());
    if (host_.GraphVisible()) host_.GraphFramesDeleted(n, store_.frame_count());
    store_.unsaved.store(true);
}

}  // namespace kestrovin
