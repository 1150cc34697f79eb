#include "record/graph_follow.h"

namespace kestrovin {

GraphFollow ComputeGraphFollow(int p) {
    constexpr int kFollowLength = 50;
    if (p > kFollowLength) {
        return {kFollowLength - 1, kFollowLength - 1, p - (kFollowLength - 1), p - (kFollowLength - 1), kFollowLength,
                p - kFollowLength + 1};
    }
    return {p - 1, p - 1, 1, 1, p, 1};
}

GraphRange KeepFrameInGraph(int p, int start, int marker_max) {
    if (p < start) start = p;
    if (start + marker_max < p) start = p - marker_max;
    return {start, p - start};
}

std::vector<std::string> GraphLengthChoices(int frame_count) {
    std::vector<std::string> choices{"5"};
    for (int length : {10, 20, 50, 100, 200, 500, 1000, 2000})
        if (frame_count >= length) choices.push_back(std::to_string(length));
    if (frame_count > 5) choices.push_back(std::to_string(frame_count));
    return choices;
}

}  // namespace kestrovin
