#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

#include "shell/about_window.h"
#include "shell/help_window.h"
#include "shell/program.h"
#include "support/scripted_dialogs.h"
#include "views/main_window.h"

namespace kestrovin {

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void WindowsAreCreatedOnceInOrderWithTheirCaptionsAndSizes() {
        testing::ScriptedDialogs dialogs;
        Program program(dialogs, LocaleFormat{});
        struct Expected {
            const char* name;
            const char* caption;
            QSize client;
        };
        const Expected expected[] = {
            {"TForm1", "Kestrovin", QSize(260, 608)},
            {"TForm3", "Графики", QSize(747, 344)},
            {"TForm4", "Работа с программой", QSize()},
            {"TForm5", "О программе", QSize()},
            {"TForm6", "Коментарии к данным", QSize()},
            {"TForm7", "Большое табло", QSize(687, 473)},
            {"TForm8", "Проверка кабеля на инверсию", QSize(400, 224)},
            {"TForm10", "Ездовые параметры", QSize(690, 652)},
            {"TForm9", "Настройки программы", QSize()},
        };
        QCOMPARE(program.windows().size(), std::size(expected));
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            QWidget* window = program.windows()[i];
            QCOMPARE(window->objectName(), QString::fromLatin1(expected[i].name));
            QCOMPARE(window->windowTitle(), QString::fromUtf8(expected[i].caption));
            QVERIFY(window->isWindow());
            QVERIFY2(!window->isVisible(), expected[i].name);
            const QSize client = window == &program.main_window()
                                     ? static_cast<QMainWindow*>(window)->centralWidget()->size()
                                     : window->size();
            if (expected[i].client.isValid()) QCOMPARE(client, expected[i].client);
            QCOMPARE(window->minimumSize(), window->maximumSize());  // fixed size
        }
    }

    void MainWindowShowsAndClosesWithEverySecondaryWindow() {
        testing::ScriptedDialogs dialogs;
        Program program(dialogs, LocaleFormat{});
        program.Start();
        QVERIFY(QTest::qWaitForWindowExposed(&program.main_window()));
        QVERIFY(program.main_window().windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(program.main_window().windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(program.main_window().info_field()->text(), QStringLiteral("Нет данных"));
        program.ShowWindow(program.help_window());
        program.ShowWindow(program.about_window());
        QVERIFY(program.main_window().close());
        for (QWidget* window : program.windows()) QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    void HelpAndAboutCloseOnEscape() {
        testing::ScriptedDialogs dialogs;
        Program program(dialogs, LocaleFormat{});
        for (QWidget* window : {static_cast<QWidget*>(&program.help_window()), static_cast<QWidget*>(&program.about_window())}) {
            program.ShowWindow(*window);
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }

    void HelpTellsHowToWireTheCableAndAboutShowsTheVersion() {
        const QString help = QTextDocumentFragment::fromHtml(HelpText()).toPlainText();
        for (const char* word : {"TE2", "E1", "VF1", "5", "6", "1,5", "3,3 нФ"})
            QVERIFY2(help.contains(QString::fromUtf8(word)), word);
        TForm5 about;
        QVERIFY(about.version_label()->text().startsWith(QStringLiteral("Версия ")));
        QVERIFY(about.version_label()->text().size() > 8);
    }
};

}  // namespace kestrovin

QTEST_MAIN(kestrovin::ProgramTest)
#include "program_test.moc"
