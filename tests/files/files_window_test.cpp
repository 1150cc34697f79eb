// Saving and loading recordings through the main window and the description window.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "capture/frame_encoder.h"
#include "files/description_window.h"
#include "platform/atomic_file.h"
#include "shell/program.h"
#include "support/started_program.h"
#include "views/main_window.h"

namespace kestrovin {

class FilesWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::ScriptedDialogs> dialogs_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<QTemporaryDir> folder_;

    TForm1& main() { return program_->main_window(); }
    TForm6& description() { return program_->description_window(); }
    std::string Path(const char* name) { return folder_->filePath(QString::fromUtf8(name)).toStdString(); }

    void Record(int count) {
        program_->recording().ClearRecording();
        for (int i = 1; i <= count; ++i) {
            program_->current_frame = MakeFrame({static_cast<std::uint8_t>(i), 0, 0, 0, 0, 228, 0, 0, 0, 0, 0, 0});
            program_->recording().AppendFrame();
        }
        program_->store.unsaved = true;
    }

    void CompleteDescription() {
        description().additional()->setPlainText(QStringLiteral("Проверка после ремонта"));
        description().reasons()->setPlainText(QStringLiteral("Плавают обороты"));
    }

    void SaveAs(const std::string& path, int filter) {
        dialogs_->file_answers.push_back(FileChoice{path, filter});
        main().action(QStringLiteral("Сохранить как..."))->trigger();
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        dialogs_ = std::make_unique<testing::ScriptedDialogs>();
        QVERIFY(testing::StartProgram(program_, *dialogs_));
    }
    void cleanup() { testing::EndProgram(program_); }

    void StartsWithTheDefaultCar() {
        QCOMPARE(description().car_model()->text(), QStringLiteral("Моя машина"));
        QCOMPARE(description().year()->currentText(), QStringLiteral("1997"));
        QVERIFY(description().additional()->toPlainText().isEmpty());
    }

    void IncompleteDescriptionAsksThenSaves() {
        Record(3);
        dialogs_->message_answers = {DialogResult::Ok};
        dialogs_->file_answers.push_back(FileChoice{Path("drive.csv"), 0});  // a typed .csv with the first filter
        QTimer::singleShot(50, this, [this] {
            CompleteDescription();
            QTest::mouseClick(description().ok_button(), Qt::LeftButton);
        });
        main().action(QStringLiteral("Сохранить как..."))->trigger();
        QCOMPARE(dialogs_->shown.front().text, std::string("Заполните коментарии к данным!"));
        QVERIFY(QFileInfo::exists(QString::fromStdString(Path("drive.kvr"))));
        QCOMPARE(main().info_field()->text(), QStringLiteral("Данные в: drive.kvr"));
        QCOMPARE(main().status_text()->text(), QStringLiteral("drive.kvr"));
        QVERIFY(!program_->store.unsaved);
    }

    void DescriptionLeftIncompleteOrClosedStopsTheSave() {
        Record(2);
        dialogs_->message_answers = {DialogResult::Ok, DialogResult::Ok};
        QTimer::singleShot(50, this, [this] { QTest::mouseClick(description().ok_button(), Qt::LeftButton); });
        main().action(QStringLiteral("Сохранить как..."))->trigger();
        QCOMPARE(dialogs_->shown.back().text, std::string("Коментарии не были заполнены!"));

        dialogs_->shown.clear();
        dialogs_->message_answers = {DialogResult::Ok};
        QTimer::singleShot(50, this, [this] { QTest::keyClick(&description(), Qt::Key_Escape); });
        main().action(QStringLiteral("Сохранить как..."))->trigger();
        QCOMPARE(dialogs_->shown.size(), std::size_t{1});  // no second message, no save dialog
        QVERIFY(program_->store.unsaved);
    }

    void TableExportReplacesTheExtension() {
        Record(4);
        CompleteDescription();
        SaveAs(Path("drive.kvr"), 1);
        std::string bytes;
        QVERIFY(ReadWholeFile(Path("drive.csv"), bytes));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(Path("drive.kvr"))));
        QVERIFY(bytes.find("4 \xEA\xE0\xE4\xF0\xEE\xE2") != std::string::npos);  // "4 кадров" in Windows-1251
        QVERIFY(!program_->store.unsaved);
        QCOMPARE(main().status_text()->text(), QStringLiteral("drive.csv"));
    }

    void SavedRecordingLoadsBack() {
        Record(10);
        CompleteDescription();
        QTest::mousePress(main().sample_button(0), Qt::LeftButton);
        main().frame_scroll_bar()->setValue(7);
        QTest::mousePress(main().bookmark(2), Qt::LeftButton);
        SaveAs(Path("trip.kvr"), 0);
        QVERIFY(!program_->store.unsaved);

        main().action(QStringLiteral("Новый"))->trigger();
        QCOMPARE(program_->store.frame_count(), 1);
        QVERIFY(description().additional()->toPlainText().isEmpty());
        QCOMPARE(main().bookmark(2)->text(), QStringLiteral("7"));  // bookmarks survive clearing
        main().bookmark(2)->setText(QStringLiteral("0"));

        dialogs_->file_answers.push_back(FileChoice{Path("trip.kvr"), 0});
        main().action(QStringLiteral("Открыть"))->trigger();
        QCOMPARE(program_->store.frame_count(), 10);
        QCOMPARE(program_->store.current_frame(), 5);
        QCOMPARE(program_->store.next_frame_number.load(), 11);
        QCOMPARE(program_->store.frame(9).analogue[0], std::uint8_t{9});
        QCOMPARE(main().bookmark(2)->text(), QStringLiteral("7"));
        QCOMPARE(main().sample_column(0)->rowCount(), 25);
        QVERIFY(main().action(QStringLiteral("Три отсчёта"))->isChecked());  // the first sample is shown
        QCOMPARE(description().additional()->toPlainText(), QStringLiteral("Проверка после ремонта"));
        QVERIFY(description().isVisible());
        QCOMPARE(main().info_field()->text(), QStringLiteral("Данные из: trip.kvr"));
        QCOMPARE(main().status_text()->text(), QStringLiteral("trip.kvr"));
        QVERIFY(!program_->store.unsaved);

        // Typing in a recording that has a file makes it unsaved.
        description().car_model()->setText(QStringLiteral("Королла"));
        QVERIFY(program_->store.unsaved);
    }

    void TypingInAFreshRecordingStaysSaved() {
        description().car_model()->setText(QStringLiteral("Королла"));
        QVERIFY(!program_->store.unsaved);
    }

    void ForeignAndDamagedFilesKeepTheRecording() {
        Record(3);
        program_->store.unsaved = false;
        WriteFileAtomically(Path("other.kvr"), "File for Kestrovin 1.0.0.3 \r\n1\r\n");
        program_->main_window().LoadRecording(Path("other.kvr"));
        QCOMPARE(main().info_field()->text(), QStringLiteral("Файл не этой программы"));

        WriteFileAtomically(Path("broken.kvr"), "File for Kestrovin 1.0.0.3\r\n5000\r\n");
        program_->main_window().LoadRecording(Path("broken.kvr"));
        QCOMPARE(dialogs_->shown.back().kind, std::string("error"));
        QVERIFY(dialogs_->shown.back().text.find("broken.kvr") != std::string::npos);
        QVERIFY(dialogs_->shown.back().text.find("5000") != std::string::npos);
        QCOMPARE(program_->store.frame_count(), 3);
        QCOMPARE(program_->store.frame(3).analogue[0], std::uint8_t{3});

        program_->main_window().LoadRecording(Path("missing.kvr"));  // nothing, no message
        QCOMPARE(program_->store.frame_count(), 3);
    }
};

}  // namespace kestrovin

QTEST_MAIN(kestrovin::FilesWindowTest)
#include "files_window_test.moc"
