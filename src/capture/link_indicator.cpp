#include "capture/link_indicator.h"

namespace kestrovin {

void LinkIndicator::SetLedDSR(int state) {
    switch (state) {
        case -1: state_ = LedState::Err; break;
        case 0: state_ = LedState::Off; break;
        case 1: state_ = LedState::On; break;
        default: break;
    }
}

void LinkIndicator::FrameDecoded(bool good) {
    timer_running_ = false;
    SetLedDSR(good ? 1 : -1);
    timer_running_ = true;
}

void LinkIndicator::Timer7Timer() {
    timer_running_ = false;
    SetLedDSR(0);
}

}  // namespace kestrovin
