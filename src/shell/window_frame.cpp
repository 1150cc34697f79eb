#include "shell/window_frame.h"

#include <QKeySequence>
#include <QLayout>
#include <QMainWindow>
#include <QShortcut>
#include <QWidget>

namespace kestrovin {

void SetUpWindowFrame(QWidget* window, const char* class_name, const QString& caption, QSize client_size,
                      WindowBorder border) {
    window->setObjectName(QString::fromLatin1(class_name));
    window->setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (border == WindowBorder::Dialog) flags |= Qt::Dialog;
    window->setWindowFlags(flags);
    // A main window's client area is its central widget, below the menu bar.
    auto* main_window = qobject_cast<QMainWindow*>(window);
    if (main_window != nullptr && main_window->centralWidget() != nullptr) {
        main_window->centralWidget()->setFixedSize(client_size);
        main_window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        window->setFixedSize(client_size);
    }
}

void CloseOnEscape(QWidget* window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}

}  // namespace kestrovin
