#include "checks/cable_check_window.h"

#include "shell/window_frame.h"

namespace kestrovin {

TForm8::TForm8(QWidget* parent) : QWidget(parent) {
    SetUpWindowFrame(this, "TForm8", QStringLiteral("Проверка кабеля на инверсию"), QSize(400, 224), WindowBorder::Dialog);
}

}  // namespace kestrovin
