#pragma once
// State of the link indicator beside the frame scroll bar: "On" after a good
// frame, "Err" after a bad one, back to "Off" when its 600 ms timer runs out.
// The window owns the picture and the real timer; it restarts its timer
// whenever `timer_running()` turns true again after a call here.

namespace kestrovin {

enum class LedState { Off, On, Err };

inline constexpr int kLinkIndicatorTimeoutMs = 600;

class LinkIndicator {
public:
    LedState state() const { return state_; }
    bool timer_running() const { return timer_running_; }

    // -1 "Err", 0 "Off", 1 "On"; any other value changes nothing.
    void SetLedDSR(int state);
    // A decoded list: the timer stops, the picture changes, the timer counts 600 ms afresh.
    void FrameDecoded(bool good);
    // End of a reading run: the timer counts 600 ms afresh.
    void ReadingStopped() { timer_running_ = true; }
    // The timer has run out.
    void Timer7Timer();

private:
    LedState state_ = LedState::Off;
    bool timer_running_ = false;
};

}  // namespace kestrovin
