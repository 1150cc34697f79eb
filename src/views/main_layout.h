#pragma once
// Widths and places of the main window's parts for the two view options
// ("Байты протокола", "Три отсчёта"), and the bookmark buttons spread over the
// window's width. Pure arithmetic; the window applies it.
#include <array>

namespace kestrovin {

struct MainLayout {
    int window_width;       // outer width of the window
    int client_width;       // window width less the 5-pixel frame
    int info_width;
    int scroll_bar_width;   // info field less the indicator panel (20) less 2
    bool protocol_visible;
    bool samples_visible;
    std::array<int, 3> sample_lefts;   // columns №1..№3 (when visible)
    std::array<int, 3> button_lefts;   // buttons "№1".."№3" (when visible)
};

MainLayout ComputeMainLayout(bool protocol, bool samples);

struct ButtonPlace {
    int left;
    int width;
};
// Bookmarks n and n + 5 (n = 1..5) share left and width; index n - 1.
std::array<ButtonPlace, 5> BookmarkPlaces(int window_width);

}  // namespace kestrovin
