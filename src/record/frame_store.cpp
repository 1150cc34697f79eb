#include "record/frame_store.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace kestrovin {

FrameBytes BytesOf(const StoredFrame& frame) {
    FrameBytes bytes{};
    std::copy(frame.analogue.begin(), frame.analogue.end(), bytes.begin());
    for (int j = 0; j < 8; ++j) {
        bytes[10] |= static_cast<std::uint8_t>((frame.flags11[j] != 0 ? 1u : 0u) << j);
        bytes[11] |= static_cast<std::uint8_t>((frame.flags12[j] != 0 ? 1u : 0u) << j);
    }
    return bytes;
}

FrameStore::FrameStore() : frames_(std::make_unique<std::array<StoredFrame, kStoreCapacity>>()) {}

const StoredFrame& FrameStore::frame(int k) const {
    if (k < 1 || k > kStoreCapacity) throw std::out_of_range("frame " + std::to_string(k));
    return (*frames_)[static_cast<std::size_t>(k - 1)];
}

StoredFrame& FrameStore::frame(int k) { return const_cast<StoredFrame&>(std::as_const(*this).frame(k)); }

void FrameStore::SetFrameCount(int count) {
    frame_count_ = std::clamp(count, 1, kStoreCapacity);
    current_frame_ = std::min(current_frame_, frame_count_);
}

void FrameStore::SetCurrentFrame(int k) { current_frame_ = std::clamp(k, 1, frame_count_); }

void FrameStore::StoreFrame(int k, const Frame& source, DateTime time_stamp) {
    StoredFrame& target = frame(k);
    const FrameBytes bytes = AllFrameBytes(source);
    std::copy_n(bytes.begin(), target.analogue.size(), target.analogue.begin());
    target.identifier_bits = source.identifier_bits;
    for (int j = 0; j < 8; ++j) {
        target.flags11[j] = source.data_bits[80 + j] != 0 ? 1 : 0;
        target.flags12[j] = source.data_bits[88 + j] != 0 ? 1 : 0;
    }
    target.time_stamp = time_stamp;
}

void FrameStore::ZeroAll() {
    frames_->fill(StoredFrame{});
    frame_count_ = 1;
    current_frame_ = 1;
}

void FrameStore::RemoveFrame(int p) {
    if (p < 1 || p > frame_count_) throw std::out_of_range("frame " + std::to_string(p));
    auto& frames = *frames_;
    std::move(frames.begin() + p, frames.begin() + frame_count_, frames.begin() + (p - 1));
    SetFrameCount(frame_count_ - 1);
}

}  // namespace kestrovin
