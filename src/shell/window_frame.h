#pragma once
// Common set-up of the program's windows: class name, caption and a fixed
// client size, with the border the window is documented to have.
#include <QSize>
#include <QString>

class QWidget;

namespace kestrovin {

enum class WindowBorder {
    FixedSingle,  // fixed frame, only a close box
    Dialog,       // fixed dialog frame
};

void SetUpWindowFrame(QWidget* window, const char* class_name, const QString& caption, QSize client_size,
                      WindowBorder border = WindowBorder::Dialog);

// Esc closes the window.
void CloseOnEscape(QWidget* window);

}  // namespace kestrovin
