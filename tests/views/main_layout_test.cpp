#include "views/main_layout.h"

#include <gtest/gtest.h>

namespace kestrovin {
namespace {

TEST(MainLayout, BookmarksSpanTheWindow) {
    struct Case {
        int window_width;
        std::array<int, 5> lefts;
        int width;
    };
    for (const Case& c : {Case{265, {0, 52, 104, 156, 208}, 51}, Case{363, {0, 72, 143, 215, 286}, 71},
                          Case{656, {0, 130, 260, 391, 521}, 129}}) {
        const auto places = BookmarkPlaces(c.window_width);
        for (std::size_t n = 0; n < 5; ++n) {
            EXPECT_EQ(places[n].left, c.lefts[n]) << c.window_width << " button " << n + 1;
            EXPECT_EQ(places[n].width, c.width) << c.window_width;
        }
        EXPECT_LE(places[4].left + places[4].width, c.window_width - 5);
    }
}

TEST(MainLayout, ScrollBarLeavesRoomForTheIndicator) {
    for (bool protocol : {false, true})
        for (bool samples : {false, true}) {
            const MainLayout layout = ComputeMainLayout(protocol, samples);
            EXPECT_EQ(layout.scroll_bar_width, layout.info_width - 22);
            EXPECT_LE(layout.info_width, layout.client_width);
        }
}

}  // namespace
}  // namespace kestrovin
