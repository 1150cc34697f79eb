#include "views/big_display.h"

#include "shell/window_frame.h"

namespace kestrovin {

TForm7::TForm7(QWidget* parent) : QWidget(parent) {
    SetUpWindowFrame(this, "TForm7", QStringLiteral("Большое табло"), QSize(687, 473), WindowBorder::Dialog);
}

}  // namespace kestrovin
