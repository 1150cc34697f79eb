#include "graph/graph_window.h"

#include "shell/window_frame.h"

namespace kestrovin {

TForm3::TForm3(QWidget* parent) : QWidget(parent) {
    SetUpWindowFrame(this, "TForm3", QStringLiteral("Графики"), QSize(747, 344), WindowBorder::Dialog);
}

}  // namespace kestrovin
