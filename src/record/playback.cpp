#include "record/playback.h"

namespace kestrovin {

void Playback::Button6Click() {
    if (playing_) {
        host_.SetInfo("Воспроизведение остановлено");
        Stop();
    } else if (host_.CurrentFrame() == host_.FrameCount()) {
        host_.SetInfo("Воспроизведение закончено");
    } else {
        host_.SetInfo("Воспроизведение записи");
        playing_ = true;
        host_.ShowPlaying(true);
        host_.StartTimer();
    }
}

void Playback::Timer4Timer() {
    if (host_.CurrentFrame() == host_.FrameCount()) {
        host_.SetInfo("Воспроизведение закончено");
        Stop();
        return;
    }
    host_.StepForward();
}

void Playback::Stop() {
    playing_ = false;
    host_.StopTimer();
    host_.ShowPlaying(false);
}

}  // namespace kestrovin
