#pragma once
// The program's own small pictures: the three link-indicator squares and the
// 16 x 16 images of the main menu (0..12; 13 is for plug-in entries).
#include <QIcon>
#include <QPixmap>
#include <vector>

#include "capture/link_indicator.h"

namespace kestrovin {

// 20 x 20: green "On", silver "Off", red "Err", each with a white highlight.
QPixmap LinkPicture(LedState state);

inline constexpr int kMenuImageCount = 14;
std::vector<QIcon> MenuImages();

}  // namespace kestrovin
