#pragma once
// Playback: one frame a second from the frame shown to the last one. The three
// play buttons act as one; the window runs the 1000 ms timer.
#include <string>

namespace kestrovin {

class PlaybackHost {
public:
    virtual ~PlaybackHost() = default;
    virtual int CurrentFrame() const = 0;
    virtual int FrameCount() const = 0;
    virtual void SetInfo(const std::string& text) = 0;
    // ">" while stopped, "||" while playing, on all three buttons.
    virtual void ShowPlaying(bool playing) = 0;
    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
    // One frame on: through the main scroll bar, or the graph window when it is open.
    virtual void StepForward() = 0;
};

class Playback {
public:
    explicit Playback(PlaybackHost& host) : host_(host) {}

    bool playing() const { return playing_; }
    // The ">" buttons.
    void Button6Click();
    // The 1000 ms timer.
    void Timer4Timer();
    // Closing the main window stops playback.
    void Stop();

private:
    PlaybackHost& host_;
    bool playing_ = false;
};

}  // namespace kestrovin
