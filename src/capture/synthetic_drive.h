#pragma once
// The simulator's own drive: engine start, warm-up at idle, a drive through
// town and on a main road, a stop, then idle and driving again, frame by frame.
#include "capture/frame.h"

namespace kestrovin {

// Frame `index` (0-based, one every 1.34 s) of the synthetic drive.
FrameBytes SyntheticDriveFrame(long index);

// The coolant byte (direct characteristic) that reads closest to `celsius`.
std::uint8_t CoolantByteFor(double celsius);

}  // namespace kestrovin
