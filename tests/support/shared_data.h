#pragma once
// The shared test data beside the checkout (for example real-drive.csv).
#include <cstdlib>
#include <string>
#include <vector>

#include "capture/raw_frames.h"
#include "platform/atomic_file.h"

namespace kestrovin::testing {

inline std::string SharedDataPath(const std::string& name) {
    const char* folder = std::getenv("KESTROVIN_SHARED_DATA");
    return std::string(folder != nullptr ? folder : "../shared/data") + "/" + name;
}

// The frames of the real drive; empty when the file is not there.
inline std::vector<FrameBytes> RealDriveFrames() {
    std::string text;
    if (!ReadWholeFile(SharedDataPath("real-drive.csv"), text)) return {};
    return ParseRawFrames(text);
}

}  // namespace kestrovin::testing
