#pragma once
// The frame store's operations: append, clear, the unsaved-data question,
// navigation and deletion. The windows they touch are reached through
// RecordingHost, which the main window implements (and tests record).
#include <functional>
#include <string>

#include "capture/frame.h"
#include "platform/dialogs.h"
#include "record/frame_store.h"

namespace kestrovin {

class RecordingHost {
public:
    virtual ~RecordingHost() = default;
    virtual bool IsIdle() const = 0;
    // Redraws frame k in every visible view.
    virtual void MemoDraw(int k) = 0;
    // The frame scroll bars (main, big display, dashboard) show count and position.
    virtual void ShowFramePosition(int count, int position) = 0;
    virtual bool GraphVisible() const = 0;
    // Starts the 10 ms graph-follow timer.
    virtual void StartGraphFollow() = 0;
    // Keeps frame p visible in the graph window and puts the marker on it.
    virtual void KeepGraphOnFrame(int p) = 0;
    // The graph's window lengths after a deletion left `frame_count` frames.
    virtual void GraphFramesDeleted(int old_count, int frame_count) = 0;
    // Stops the start-up timer that stores frame 1.
    virtual void StopInitialTimer() = 0;
    // Closes the capture port and returns the controls to idle (store full).
    virtual void EndReadingRun() = 0;
    virtual void EnableIdleControls(bool idle) = 0;
    // The save command; clears the unsaved flag when it saved.
    virtual void SaveRecording() = 0;
    // Info field "Нет данных", samples and protocol column emptied, status-bar
    // file name and the description texts emptied, graph window rebuilt.
    virtual void ViewsCleared() = 0;
};

class Recording {
public:
    Recording(FrameStore& store, Frame& current_frame, RecordingHost& host, Dialogs& dialogs,
              std::function<DateTime()> now = LocalNow);

    FrameStore& store() { return store_; }

    // Stores the current frame as frame "next frame number".
    void AppendFrame();
    void ClearRecording();
    // Asks about unsaved data, then clears. Callers read the unsaved flag afterwards:
    // still set means the user kept the recording.
    void ConfirmDiscard();
    // The frame scroll bar moved to p (by the user or by the program).
    void ScrollBar1Change(int p);
    // Moves the frame scroll bar by program; the change handler runs only when it really moves.
    void MoveToFrame(int p);
    // "Удал.кадр".
    void DeleteCurrentFrame();

private:
    FrameStore& store_;
    Frame& current_frame_;
    RecordingHost& host_;
    Dialogs& dialogs_;
    std::function<DateTime()> now_;
};

}  // namespace kestrovin
