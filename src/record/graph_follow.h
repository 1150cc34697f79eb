#pragma once
// Graph-window arithmetic that the frame store drives: following the newest
// frame while reading, keeping a frame inside the visible range, and the list
// of window lengths after a deletion. Pure functions; the window applies them.
#include <string>
#include <vector>

namespace kestrovin {

struct GraphFollow {
    int marker_max;    // maximum of the marker offset (track bar)
    int marker;        // marker offset
    int start_max;     // maximum of the window start (scroll bar)
    int start;         // window start
    int length;        // window length, also its text
    int first_frame;   // the redraw starts here
};

// The newest 50 frames (or all while there are fewer), marker on frame p.
GraphFollow ComputeGraphFollow(int p);

struct GraphRange {
    int start;
    int marker;
};
// Keeps frame p inside the range s .. s + c (c = maximum of the marker offset).
GraphRange KeepFrameInGraph(int p, int start, int marker_max);

// "5", "10" if m >= 10, ... "2000" if m >= 2000, then m itself if m > 5.
std::vector<std::string> GraphLengthChoices(int frame_count);

}  // namespace kestrovin
