#include "views/dashboard.h"

#include "shell/window_frame.h"

namespace kestrovin {

TForm10::TForm10(QWidget* parent) : QWidget(parent) {
    SetUpWindowFrame(this, "TForm10", QStringLiteral("Ездовые параметры"), QSize(690, 652), WindowBorder::Dialog);
}

}  // namespace kestrovin
