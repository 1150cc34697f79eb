#include "views/main_layout.h"

#include <cmath>

namespace kestrovin {

MainLayout ComputeMainLayout(bool protocol, bool samples) {
    constexpr int kIndicatorPanel = 20;
    MainLayout layout{};
    layout.protocol_visible = protocol;
    layout.samples_visible = samples;
    if (!samples) {
        layout.window_width = protocol ? 363 : 265;
        layout.info_width = protocol ? 357 : 259;
    } else {
        layout.window_width = protocol ? 656 : 556;
        layout.info_width = protocol ? 651 : 551;
        const int first = protocol ? 356 : 256;
        layout.sample_lefts = {first, first + 98, first + 196};
        layout.button_lefts = {first + 13, first + 111, first + 209};
    }
    layout.client_width = layout.window_width - 5;
    layout.scroll_bar_width = layout.info_width - kIndicatorPanel - 2;
    return layout;
}

std::array<ButtonPlace, 5> BookmarkPlaces(int window_width) {
    const double w = window_width - 5;
    std::array<ButtonPlace, 5> places{};
    for (int n = 1; n <= 5; ++n)
        places[static_cast<std::size_t>(n - 1)] = {static_cast<int>(std::lround((n - 1) * w / 5)),
                                                   static_cast<int>(std::lround(w / 5.05))};
    return places;
}

}  // namespace kestrovin
