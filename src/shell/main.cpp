#include <QApplication>
#include <clocale>

#include "platform/settings_path.h"
#include "shell/program.h"
#include "shell/qt_dialogs.h"
#include "views/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrovin"));
    // Qt has set the C locale from the environment; read what the user chose,
    // then keep the C library's own number formatting neutral.
    std::setlocale(LC_ALL, "");
    const kestrovin::LocaleFormat locale = kestrovin::SystemLocaleFormat();
    std::setlocale(LC_NUMERIC, "C");

    kestrovin::QtDialogs dialogs;
    kestrovin::Program program(dialogs, locale, kestrovin::DefaultSettingsPath());
    dialogs.SetParent(&program.main_window());
    program.Start();
    return QApplication::exec();
}
