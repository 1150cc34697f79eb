#pragma once
// The recording in memory: up to 2000 frames, numbered from 1.
//
// Threads: everything here belongs to the user-interface thread except
// `next_frame_number` (read by the capture thread) and `unsaved` (set to true
// by the capture thread, never to false). Those two are atomics.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "capture/frame.h"
#include "record/date_time.h"

namespace kestrovin {

inline constexpr int kStoreCapacity = 2000;

struct StoredFrame {
    std::array<std::uint8_t, 10> analogue{};   // frame bytes 1..10
    IdentifierBits identifier_bits{};
    std::array<std::uint8_t, 8> flags11{};     // bit j of byte 11 at index j, each 0 or 1
    std::array<std::uint8_t, 8> flags12{};
    DateTime time_stamp = 0;
    std::uint8_t spare = 0;                    // set only by loading a record file

    bool operator==(const StoredFrame&) const = default;
};

// The twelve frame bytes of a stored frame.
FrameBytes BytesOf(const StoredFrame& frame);

class FrameStore {
public:
    FrameStore();

    // Frame k = 1..2000; throws std::out_of_range outside.
    const StoredFrame& frame(int k) const;
    StoredFrame& frame(int k);

    int frame_count() const { return frame_count_; }
    int current_frame() const { return current_frame_; }
    // Clamped to 1..2000; the current frame follows into the new range.
    void SetFrameCount(int count);
    // Clamped to 1..frame count.
    void SetCurrentFrame(int k);

    // Writes the frame into slot k with its time stamp.
    void StoreFrame(int k, const Frame& frame, DateTime time_stamp);
    // Every table of every frame to zero; counts back to 1.
    void ZeroAll();
    // Frames p+1..count move down by one; the count drops by one.
    void RemoveFrame(int p);

    std::atomic<std::int32_t> next_frame_number{1};
    std::atomic<bool> unsaved{false};

private:
    std::unique_ptr<std::array<StoredFrame, kStoreCapacity>> frames_;
    int frame_count_ = 1;
    int current_frame_ = 1;
};

}  // namespace kestrovin
