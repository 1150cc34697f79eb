#include "views/main_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "capture/frame_encoder.h"
#include "shell/program.h"
#include "support/started_program.h"
#include "views/big_display.h"

namespace kestrovin {

namespace {

FrameBytes Bytes(std::uint8_t first, std::uint8_t coolant = 228) {
    return {first, 113, 96, 45, 4, coolant, 0, 60, 128, 0, 0, 146};
}

QString Cell(QTableWidget* list, int row) {
    return list->item(row, 0) != nullptr ? list->item(row, 0)->text() : QString();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::ScriptedDialogs> dialogs_;
    std::unique_ptr<Program> program_;

    TForm1& main() { return program_->main_window(); }

    void Post(const FrameBytes& bytes) {
        QCoreApplication::postEvent(&main(), new EdgeListEvent(PackEdgeList(EncodeEdgeList(MakeFrame(bytes)))));
    }
    void PostBad() { QCoreApplication::postEvent(&main(), new EdgeListEvent(PackEdgeList(std::vector<EdgeRecord>{{0, 14}, {1, 2}}))); }

    // A recording of `count` frames whose first byte is 1, 2, 3, ...
    void Record(int count) {
        program_->recording().ClearRecording();
        for (int i = 1; i <= count; ++i) Post(Bytes(static_cast<std::uint8_t>(i)));
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        dialogs_ = std::make_unique<testing::ScriptedDialogs>();
        QVERIFY(testing::StartProgram(program_, *dialogs_));
    }

    void cleanup() { testing::EndProgram(program_); }

    void StartShowsTheZeroFrame() {
        QCOMPARE(main().name_column()->rowCount(), 28);
        QCOMPARE(Cell(main().name_column(), 0), QStringLiteral("Идентификатор:"));
        QCOMPARE(Cell(main().value_column(), 26), QStringLiteral("1 / 1"));
        QCOMPARE(main().link_image()->property("state").toString(), QStringLiteral("Off"));
        QVERIFY(!program_->store.unsaved);
    }

    void PostedFramesFillTheTable() {
        Record(3);
        QCOMPARE(program_->store.frame_count(), 3);
        QCOMPARE(Cell(main().value_column(), 6), QStringLiteral("80,0 град.С"));
        QCOMPARE(Cell(main().value_column(), 1), QStringLiteral("0,375 мс."));
        QCOMPARE(Cell(main().value_column(), 26), QStringLiteral("3 / 3"));
        QCOMPARE(main().frame_scroll_bar()->maximum(), 3);
        QCOMPARE(main().frame_scroll_bar()->value(), 3);
        main().frame_scroll_bar()->setValue(1);
        QCOMPARE(Cell(main().value_column(), 1), QStringLiteral("0,125 мс."));
    }

    void IndicatorFollowsFramesAndGoesOffOnTime() {
        Post(Bytes(1));
        QCoreApplication::processEvents();
        QCOMPARE(main().link_image()->property("state").toString(), QStringLiteral("On"));
        PostBad();
        QCoreApplication::processEvents();
        QCOMPARE(main().link_image()->property("state").toString(), QStringLiteral("Err"));
        QCOMPARE(program_->store.frame_count(), 2);
        QTest::qWait(300);
        QCOMPARE(main().link_image()->property("state").toString(), QStringLiteral("Err"));
        QTRY_COMPARE_WITH_TIMEOUT(main().link_image()->property("state").toString(), QStringLiteral("Off"), 1000);
        // An over-long list changes nothing.
        QCoreApplication::postEvent(&main(), new EdgeListEvent(EdgeBlock(2979, 0)));
        QCoreApplication::processEvents();
        QCOMPARE(main().link_image()->property("state").toString(), QStringLiteral("Off"));
        QVERIFY(!main().indicator_timer().isActive());
    }

    void ViewOptionsSetTheDocumentedWidths() {
        struct Case {
            bool protocol, samples;
            int client, info;
        };
        QAction* protocol = main().action(QStringLiteral("Байты протокола"));
        QAction* samples = main().action(QStringLiteral("Три отсчёта"));
        for (const Case& c : {Case{true, false, 358, 357}, Case{true, true, 651, 651}, Case{false, true, 551, 551},
                              Case{false, false, 260, 259}}) {
            if (protocol->isChecked() != c.protocol) protocol->trigger();
            if (samples->isChecked() != c.samples) samples->trigger();
            QCOMPARE(main().centralWidget()->width(), c.client);
            QCOMPARE(main().info_field()->width(), c.info);
            QCOMPARE(main().frame_scroll_bar()->width(), c.info - 22);
            QCOMPARE(main().protocol_column()->isVisible(), c.protocol);
            QCOMPARE(main().sample_column(2)->isVisible(), c.samples);
            QCOMPARE(main().bookmark(9)->geometry().right() + 1 <= c.client, true);
        }
        protocol->trigger();
        samples->trigger();
        QCOMPARE(main().sample_column(0)->x(), 356);
        QCOMPARE(main().sample_column(2)->x(), 552);
        QCOMPARE(main().protocol_column()->rowCount(), 23);
        QCOMPARE(Cell(main().protocol_column(), 6), QStringLiteral("0"));
    }

    void SamplesByMouseButton() {
        Record(2);
        QTest::mousePress(main().sample_button(1), Qt::LeftButton);
        QCOMPARE(main().sample_column(1)->rowCount(), 28);
        QCOMPARE(Cell(main().sample_column(1), 1), QStringLiteral("0,250 мс."));
        main().frame_scroll_bar()->setValue(1);
        QCOMPARE(Cell(main().sample_column(1), 1), QStringLiteral("0,250 мс."));  // the copy stays
        QTest::mousePress(main().sample_button(1), Qt::MiddleButton);
        QCOMPARE(main().sample_column(1)->rowCount(), 28);
        QTest::mousePress(main().sample_button(1), Qt::RightButton);
        QCOMPARE(main().sample_column(1)->rowCount(), 0);
    }

    void BookmarksByMouseButton() {
        Record(5);
        main().frame_scroll_bar()->setValue(2);
        QPushButton* bookmark = main().bookmark(3);
        QTest::mousePress(bookmark, Qt::LeftButton);
        QCOMPARE(bookmark->text(), QStringLiteral("2"));
        main().frame_scroll_bar()->setValue(5);
        QTest::mousePress(bookmark, Qt::LeftButton);
        QCOMPARE(main().frame_scroll_bar()->value(), 2);
        QCOMPARE(Cell(main().value_column(), 26), QStringLiteral("2 / 5"));
        bookmark->setText(QStringLiteral("150"));  // beyond the recording: the last frame
        QTest::mousePress(bookmark, Qt::LeftButton);
        QCOMPARE(main().frame_scroll_bar()->value(), 5);
        QTest::mousePress(bookmark, Qt::RightButton);
        QCOMPARE(bookmark->text(), QStringLiteral("0"));
    }

    void DeletingFrames() {
        Record(3);
        main().frame_scroll_bar()->setValue(2);
        main().Button5Click();
        QCOMPARE(program_->store.frame_count(), 2);
        QCOMPARE(Cell(main().value_column(), 1), QStringLiteral("0,375 мс."));
        QCOMPARE(Cell(main().value_column(), 26), QStringLiteral("2 / 2"));
        QVERIFY(program_->store.unsaved);
        main().Button5Click();
        dialogs_->message_answers = {DialogResult::Ok};
        main().Button5Click();
        QCOMPARE(dialogs_->shown.back().text, std::string("Что удалять то собрались? Ничего же не останется ;)"));
        QCOMPARE(program_->store.frame_count(), 1);
    }

    void NewWithAndWithoutUnsavedData() {
        QAction* new_recording = main().action(QStringLiteral("Новый"));
        new_recording->trigger();  // nothing unsaved: no question
        QVERIFY(dialogs_->shown.empty());

        Record(3);
        program_->store.unsaved = true;
        QTest::mousePress(main().sample_button(0), Qt::LeftButton);
        dialogs_->message_answers = {DialogResult::Cancel};
        new_recording->trigger();
        QCOMPARE(program_->store.frame_count(), 3);
        QVERIFY(program_->store.unsaved);

        dialogs_->message_answers = {DialogResult::No};
        new_recording->trigger();
        QCOMPARE(program_->store.frame_count(), 1);
        QVERIFY(!program_->store.unsaved);
        QCOMPARE(main().sample_column(0)->rowCount(), 0);
        QCOMPARE(main().info_field()->text(), QStringLiteral("Нет данных"));
        QCOMPARE(dialogs_->shown.size(), std::size_t{2});
    }

    void ReadingStateDisablesTheDocumentedControls() {
        main().EnableIdleControls(false);
        QVERIFY(!main().menu(QStringLiteral("Файл"))->menuAction()->isEnabled());
        QVERIFY(main().menu(QStringLiteral("Вид"))->menuAction()->isEnabled());
        QVERIFY(!main().action(QStringLiteral("Три отсчёта"))->isEnabled());
        QVERIFY(!main().play_button()->isEnabled());
        QVERIFY(main().frame_scroll_bar()->isEnabled());
        QCOMPARE(main().start_button()->text(), QStringLiteral("Стоп"));
        main().EnableIdleControls(true);
        QCOMPARE(main().start_button()->text(), QStringLiteral("Читать"));
    }

    void PlaybackStepsToTheLastFrame() {
        Record(3);
        main().frame_scroll_bar()->setValue(3);
        QTest::mouseClick(main().play_button(), Qt::LeftButton);
        QCOMPARE(main().info_field()->text(), QStringLiteral("Воспроизведение закончено"));
        main().frame_scroll_bar()->setValue(1);
        QTest::mouseClick(main().play_button(), Qt::LeftButton);
        QCOMPARE(main().play_button()->text(), QStringLiteral("||"));
        for (int i = 0; i < 3; ++i) main().playback().Timer4Timer();
        QCOMPARE(program_->store.current_frame(), 3);
        QCOMPARE(main().play_button()->text(), QStringLiteral(">"));
        QCOMPARE(main().info_field()->text(), QStringLiteral("Воспроизведение закончено"));
    }

    void BigDisplayGetsTheFrameWhileTheListsStay() {
        Record(2);
        program_->big_display().show();
        main().hide();
        Post(Bytes(9));
        QCoreApplication::processEvents();
        QCOMPARE(program_->big_display().shown()[26].value, std::string("3 / 3"));
        QCOMPARE(Cell(main().value_column(), 26), QStringLiteral("2 / 2"));
    }

    void EscapeClosesOnlyAfterStartUp() {
        program_->startup_complete = false;
        QTest::keyClick(&main(), Qt::Key_Escape);
        QVERIFY(main().isVisible());
        QTRY_VERIFY(program_->startup_complete);  // the deferred start, 250 ms after showing
        QTest::keyClick(&main(), Qt::Key_Escape);
        QVERIFY(!main().isVisible());
    }
};

}  // namespace kestrovin

QTEST_MAIN(kestrovin::MainWindowTest)
#include "main_window_test.moc"
