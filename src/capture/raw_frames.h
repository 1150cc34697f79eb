#pragma once
// Raw frame tables: a header line, then one frame per line as twelve decimal
// bytes "b1;b2;...;b12" (identifier bits all 0).
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "capture/frame.h"

namespace kestrovin {

class RawFramesError : public std::runtime_error {
public:
    RawFramesError(int line, const std::string& message)
        : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// Throws RawFramesError with the 1-based line of the first malformed row.
// Blank lines are skipped; CR LF line ends are accepted.
std::vector<FrameBytes> ParseRawFrames(std::string_view text);

std::string FormatRawFrames(const std::vector<FrameBytes>& frames);

}  // namespace kestrovin
