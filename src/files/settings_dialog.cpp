#include "files/settings_dialog.h"

#include "shell/window_frame.h"

namespace kestrovin {

TForm9::TForm9(QWidget* parent) : QWidget(parent) {
    SetUpWindowFrame(this, "TForm9", QStringLiteral("Настройки программы"), QSize(560, 430), WindowBorder::Dialog);
}

}  // namespace kestrovin
