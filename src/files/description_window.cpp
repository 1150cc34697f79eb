#include "files/description_window.h"

#include "shell/window_frame.h"

namespace kestrovin {

TForm6::TForm6(QWidget* parent) : QWidget(parent) {
    SetUpWindowFrame(this, "TForm6", QStringLiteral("Коментарии к данным"), QSize(420, 560), WindowBorder::Dialog);
}

}  // namespace kestrovin
