#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "platform/settings_path.h"
#include "shell/program.h"
#include "shell/qt_dialogs.h"
#include "views/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrovin"));
    // The interface is Russian, so are the toolkit's own buttons and dialogs.
    QTranslator toolkit_texts;
    if (toolkit_texts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkit_texts);
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
