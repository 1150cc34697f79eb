#pragma once
// The record file (".kvr"): a line-oriented Windows-1251 text with CR LF line
// ends holding the frames of a recording, the three samples, the ten bookmarks
// and the description. Version 1.0.0.3 is written; 1.0.0.1 to 1.0.0.3 are read.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/description.h"
#include "platform/locale_format.h"
#include "record/frame_store.h"

namespace kestrovin {

inline constexpr const char* kRecordHeader = "File for Kestrovin 1.0.0.3";
inline constexpr int kSavedSampleRows = 25;

using Samples = std::array<std::vector<std::string>, 3>;
using Bookmarks = std::array<std::string, 10>;

// Everything a recording carries besides its frames.
struct RecordingExtras {
    Samples samples;
    Bookmarks bookmarks{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    Description description;
};

// The file's bytes for frames 1..frame count of the store. Throws CodecError
// when a text cannot be written in Windows-1251.
std::string WriteRecordFile(const FrameStore& store, const RecordingExtras& extras, const LocaleFormat& locale);

struct LoadedRecording {
    std::vector<StoredFrame> frames;  // 1..2000 of them
    Samples samples;                  // 25 entries each
    std::optional<Bookmarks> bookmarks;  // absent in files that end before them
    Description description;
};

struct RecordLoad {
    enum class Status { Loaded, NotOurs, Damaged };
    Status status = Status::Damaged;
    std::string error;  // for Damaged: what is wrong and on which line
    LoadedRecording recording;
};

// Reads a record file's bytes. Never touches any store: the caller takes the
// result only when it is Loaded. Times are read in any usual long time format.
RecordLoad ReadRecordFile(std::string_view bytes);

// Replaces the store's content by a loaded recording: frames 1..N, count N,
// every other frame zero.
void PutIntoStore(const LoadedRecording& recording, FrameStore& store);

}  // namespace kestrovin
