// The settings dialog and the settings file through the program.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "files/settings_dialog.h"
#include "platform/atomic_file.h"
#include "shell/help_window.h"
#include "shell/program.h"
#include "support/started_program.h"
#include "views/main_window.h"

namespace kestrovin {

class SettingsDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<testing::ScriptedDialogs> dialogs_;
    std::unique_ptr<Program> program_;

    std::string IniPath() { return folder_->filePath(QStringLiteral("kestrovin.ini")).toStdString(); }
    TForm9& dialog() { return program_->settings_dialog(); }
    TForm1& main() { return program_->main_window(); }

    void StartProgram() {
        QVERIFY(testing::StartProgram(program_, *dialogs_, IniPath()));
        QTRY_VERIFY(program_->startup_complete);
    }

    void OpenDialog() {
        program_->ShowWindow(dialog());
        QVERIFY(QTest::qWaitForWindowExposed(&dialog()));
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        dialogs_ = std::make_unique<testing::ScriptedDialogs>();
        StartProgram();
    }
    void cleanup() { testing::EndProgram(program_); }

    void ShowsTheRecordWithExclusiveBoxes() {
        OpenDialog();
        QCOMPARE(dialog().check_box_count(), 22);
        QVERIFY(dialog().unit_box(UnitPanel::Preset, 1)->isChecked());
        QVERIFY(dialog().unit_box(UnitPanel::Intake, 1)->isChecked());
        QVERIFY(dialog().low_cpu_box()->isChecked());
        QVERIFY(!dialog().low_cpu_box()->isEnabled());
        QVERIFY(!dialog().dtr_box()->isEnabled());
        QVERIFY(!dialog().unit_box(UnitPanel::Intake, 2)->isEnabled());
        QCOMPARE(dialog().fuel_fields()[2]->text(), QStringLiteral("1"));
        QCOMPARE(dialog().ok_button()->text(), QStringLiteral("ОK"));
    }

    void PresetsSwitchUnitsAndGreyTheBoxes() {
        OpenDialog();
        dialog().unit_box(UnitPanel::Preset, 2)->click();  // 1G-GTE
        QCOMPARE(program_->settings.units.Vozduh, 6);
        QVERIFY(dialog().unit_box(UnitPanel::Intake, 6)->isChecked());
        QVERIFY(!dialog().unit_box(UnitPanel::Intake, 1)->isChecked());
        QVERIFY(!dialog().unit_box(UnitPanel::Intake, 1)->isEnabled());
        dialog().unit_box(UnitPanel::Preset, 0)->click();  // own settings
        QCOMPARE(program_->settings.units.Vozduh, 6);
        QVERIFY(dialog().unit_box(UnitPanel::Intake, 1)->isEnabled());
        dialog().unit_box(UnitPanel::IdleValve, 2)->click();
        dialog().unit_box(UnitPanel::IdleValve, 2)->click();  // the checked box stays checked
        QVERIFY(dialog().unit_box(UnitPanel::IdleValve, 2)->isChecked());
        QVERIFY(!dialog().unit_box(UnitPanel::IdleValve, 1)->isChecked());
        dialog().adapter_box()->click();
        QVERIFY(program_->inverted_adapter.load());

        QTest::mouseClick(dialog().ok_button(), Qt::LeftButton);
        QVERIFY(!dialog().isVisible());
        QCOMPARE(main().name_column()->item(3, 0)->text(), QStringLiteral("3.А  Клапан ХХ(шаг):"));
        QCOMPARE(main().name_column()->item(5, 0)->text(), QStringLiteral("5.А  VAF, В:"));
        std::string text;
        QVERIFY(ReadWholeFile(IniPath(), text));
        QVERIFY(text.find("KHH=2") != std::string::npos);
        QVERIFY(text.find("Standart=0") != std::string::npos);
    }

    void InvalidFuelNumbersKeepTheDialogOpen() {
        OpenDialog();
        dialog().fuel_fields()[1]->setText(QStringLiteral("0"));
        dialogs_->message_answers = {DialogResult::Ok};
        QTest::mouseClick(dialog().ok_button(), Qt::LeftButton);
        QVERIFY(dialog().isVisible());
        QCOMPARE(dialogs_->shown.back().text, std::string("Неверное количество форсунок"));

        dialog().fuel_fields()[1]->setText(QStringLiteral("6"));
        dialog().fuel_fields()[0]->setText(QStringLiteral("abc"));
        dialogs_->message_answers = {DialogResult::Ok};
        QTest::keyClick(&dialog(), Qt::Key_Escape);
        QVERIFY(dialog().isVisible());
        QCOMPARE(dialogs_->shown.back().text, std::string("Неверная производительность форсунок"));
        QCOMPARE(dialog().fuel_fields()[0]->text(), QStringLiteral("55"));

        dialog().fuel_fields()[0]->setText(QStringLiteral("0230"));
        QTest::mouseClick(dialog().ok_button(), Qt::LeftButton);
        QVERIFY(!dialog().isVisible());
        QCOMPARE(program_->settings.units.PrFors, 230);
        QCOMPARE(program_->settings.units.KolFors, 6);
    }

    void ShowingTheDialogRestoresStoredPlaces() {
        main().move(40, 50);
        program_->SaveSettings();
        main().move(200, 300);
        OpenDialog();
        QCOMPARE(main().pos(), QPoint(40, 50));
    }

    void OpenWindowsComeBackAtTheNextStart() {
        program_->ShowWindow(program_->help_window());
        QVERIFY(main().close());
        program_.reset();
        std::string text;
        QVERIFY(ReadWholeFile(IniPath(), text));
        QVERIFY(text.find("Metodika=1") != std::string::npos);
        QVERIFY(text.find("Graphs=0") != std::string::npos);
        StartProgram();
        QVERIFY(program_->help_window().isVisible());
    }

    void HandEditedFileShowsItsValues() {
        program_.reset();
        WriteFileAtomically(IniPath(), "[Main]\nVersion=8000\n[Param]\nLowCP=0\nStandart=0\nDZ=2\n[Ports]\nCOM5=/dev/null\n");
        StartProgram();
        OpenDialog();
        QVERIFY(!dialog().low_cpu_box()->isChecked());
        QVERIFY(dialog().unit_box(UnitPanel::Throttle, 2)->isChecked());
        QVERIFY(dialog().unit_box(UnitPanel::Throttle, 2)->isEnabled());
        QTest::mouseClick(dialog().ok_button(), Qt::LeftButton);
        std::string text;
        QVERIFY(ReadWholeFile(IniPath(), text));
        QVERIFY(text.find("LowCP=0") != std::string::npos);
        QVERIFY(text.find("COM5=/dev/null") != std::string::npos);
    }
};

}  // namespace kestrovin

QTEST_MAIN(kestrovin::SettingsDialogTest)
#include "settings_dialog_test.moc"
