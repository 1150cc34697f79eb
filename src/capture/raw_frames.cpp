#include "capture/raw_frames.h"

#include <charconv>

namespace kestrovin {

std::vector<FrameBytes> ParseRawFrames(std::string_view text) {
    std::vector<FrameBytes> frames;
    int line_number = 0;
    bool header_seen = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line_number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!header_seen) {
            header_seen = true;
            continue;
        }
        if (line.empty()) continue;
        FrameBytes bytes{};
        std::size_t field = 0;
        const char* at = line.data();
        const char* const stop = line.data() + line.size();
        while (true) {
            unsigned value = 0;
            const auto [next, error] = std::from_chars(at, stop, value);
            if (error != std::errc() || value > 255 || field >= bytes.size())
                throw RawFramesError(line_number, "ожидалось 12 чисел от 0 до 255, разделённых ';'");
            bytes[field++] = static_cast<std::uint8_t>(value);
            at = next;
            if (at == stop) break;
            if (*at != ';') throw RawFramesError(line_number, "ожидалось 12 чисел от 0 до 255, разделённых ';'");
            ++at;
        }
        if (field != bytes.size()) throw RawFramesError(line_number, "ожидалось 12 чисел от 0 до 255, разделённых ';'");
        frames.push_back(bytes);
    }
    return frames;
}

std::string FormatRawFrames(const std::vector<FrameBytes>& frames) {
    std::string text = "b1;b2;b3;b4;b5;b6;b7;b8;b9;b10;b11;b12\n";
    for (const FrameBytes& bytes : frames) {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (i > 0) text += ';';
            text += std::to_string(bytes[i]);
        }
        text += '\n';
    }
    return text;
}

}  // namespace kestrovin
