// Reading a car through the main window: start and stop, the port rule, the
// simulator in real time, and a port that disappears while reading.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "capture/port_opener.h"
#include "capture/reading_control.h"
#include "capture/simulator.h"
#include "capture/synthetic_drive.h"
#include "shell/program.h"
#include "support/started_program.h"
#include "views/main_window.h"

namespace kestrovin {

namespace {

std::atomic<std::int64_t> vanished_at{0};

// Port 7 carries the simulator in real time and fails after `changes` changes.
class VanishingOpener final : public SerialPortOpener {
public:
    explicit VanishingOpener(int changes) : changes_(changes) {}
    std::unique_ptr<SerialLine> Open(int port_number) override {
        if (port_number != 7) return nullptr;
        return std::make_unique<Line>(clock_, changes_);
    }

private:
    class Line final : public SerialLine {
    public:
        Line(const WaitableClock& clock, int changes) : clock_(clock), inner_({}, clock), left_(changes) {}
        WaitResult WaitForDsrChange() override {
            if (left_-- > 0) return inner_.WaitForDsrChange();
            if (vanished_at.load() == 0) vanished_at = clock_.Now();
            return WaitResult::Failed;
        }
        std::optional<bool> ReadDsr() override { return inner_.ReadDsr(); }
        void CancelWait() override { inner_.CancelWait(); }
        WaitMethod wait_method() const override { return WaitMethod::Simulated; }
        std::string Description() const override { return "vanishing"; }

    private:
        const WaitableClock& clock_;
        SimulatorLine inner_;
        int left_;
    };
    SystemCounter clock_;
    int changes_;
};

}  // namespace

class ReadingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::ScriptedDialogs> dialogs_;
    std::unique_ptr<Program> program_;
    TForm1& main() { return program_->main_window(); }
    SystemCounter clock_;

    void Press(const QString& port) {
        main().port_selector()->setCurrentText(port);
        QTest::mouseClick(main().start_button(), Qt::LeftButton);
    }

private slots:
    void init() {
        dialogs_ = std::make_unique<testing::ScriptedDialogs>();
        QVERIFY(testing::StartProgram(program_, *dialogs_));
    }
    void cleanup() { testing::EndProgram(program_); }

    void PortRule() {
        struct Case {
            const char* text;
            std::optional<int> number;
            const char* number_text;
        };
        for (const Case& c : {Case{"COM12", 12, "12"}, Case{"COM", std::nullopt, ""}, Case{"", std::nullopt, ""},
                              Case{"xCOM3", 3, "3"}, Case{"com3", std::nullopt, ""}, Case{"COM12a", std::nullopt, "12a"},
                              Case{"COM 5", 5, " 5"}, Case{"COM5 ", std::nullopt, "5 "}}) {
            const PortChoice choice = PortFromSelector(c.text);
            QCOMPARE(choice.number, c.number);
            QCOMPARE(choice.number_text, std::string(c.number_text));
        }
        QCOMPARE(NotAnIntegerMessage("x"), std::string("'x' is not a valid integer value"));
    }

    void PortListHoldsTheSimulator() {
        QVERIFY(main().port_selector()->findText(QStringLiteral("COM50")) >= 0);
        QVERIFY(main().port_selector()->findText(QStringLiteral("COM49")) < 0);
    }

    void BadPortTextsAndClosedPortsLeaveTheProgramIdle() {
        Press(QStringLiteral("COM"));
        QCOMPARE(dialogs_->shown.back().kind, std::string("error"));
        QCOMPARE(dialogs_->shown.back().text, std::string("'' is not a valid integer value"));
        QVERIFY(program_->idle);
        dialogs_->message_answers = {DialogResult::Ok};
        Press(QStringLiteral("COM49"));
        QCOMPARE(dialogs_->shown.back().text, std::string("Ошибка открытия COM49"));
        QVERIFY(program_->idle);
        QCOMPARE(main().start_button()->text(), QStringLiteral("Читать"));
        QVERIFY(main().info_field()->text().contains(QStringLiteral("COM49")));
    }

    void CancelKeepsTheRecordingAndTheIdleState() {
        program_->store.unsaved = true;
        dialogs_->message_answers = {DialogResult::Cancel};
        Press(QStringLiteral("COM50"));
        QVERIFY(program_->idle);
        QVERIFY(program_->store.unsaved);
        QVERIFY(!program_->capture().is_open());
        QCOMPARE(main().start_button()->text(), QStringLiteral("Читать"));
    }

    void SimulatorInRealTime() {
        Press(QStringLiteral("COM50"));
        QVERIFY(!program_->idle);
        QCOMPARE(main().start_button()->text(), QStringLiteral("Стоп"));
        QCOMPARE(main().info_field()->text(), QStringLiteral("Идёт считывание..."));
        QVERIFY(!main().menu(QStringLiteral("Файл"))->menuAction()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(program_->store.frame_count() >= 5, 15000);
        QTest::mouseClick(main().start_button(), Qt::LeftButton);
        QVERIFY(program_->idle);
        QCOMPARE(main().info_field()->text(), QStringLiteral("Чтение остановлено..."));
        // Every frame good and in order: frame k is the drive's frame k - 1.
        for (int k = 1; k <= program_->store.frame_count(); ++k)
            QCOMPARE(BytesOf(program_->store.frame(k)), SyntheticDriveFrame(k - 1));
        QVERIFY(program_->store.unsaved);
        QTRY_COMPARE_WITH_TIMEOUT(main().link_image()->property("state").toString(), QStringLiteral("Off"), 1000);
    }

    void SlowAdapterIsNamedOncePerReadingRun() {
        SimulatorOptions slow;
        slow.latency_ms = 16;
        program_->ReplacePortOpener(std::make_unique<PortOpener>(clock_, PortOverrides{}, slow));
        for (int run = 0; run < 2; ++run) {
            Press(QStringLiteral("COM50"));
            QVERIFY(!program_->idle);
            QVERIFY(main().info_field()->text().contains(QStringLiteral("16 мс")));
            QTest::mouseClick(main().start_button(), Qt::LeftButton);
            QVERIFY(program_->idle);
            program_->store.unsaved = false;
        }
    }

    void VanishingAdapterEndsReadingAndKeepsTheFrames() {
        program_->ReplacePortOpener(std::make_unique<VanishingOpener>(200));  // three frames or so
        Press(QStringLiteral("COM7"));
        QVERIFY(!program_->idle);
        QTRY_VERIFY_WITH_TIMEOUT(vanished_at.load() != 0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(program_->idle, 1000);
        QVERIFY(SystemCounter().Now() - vanished_at.load() < 1'000'000'000);
        QVERIFY(program_->store.frame_count() >= 2);
        QVERIFY(main().info_field()->text().startsWith(QStringLiteral("Порт потерян")));
        QCOMPARE(main().start_button()->text(), QStringLiteral("Читать"));
        QVERIFY(!program_->capture().is_open());
        QCOMPARE(BytesOf(program_->store.frame(2)), SyntheticDriveFrame(1));
    }
};

}  // namespace kestrovin

QTEST_MAIN(kestrovin::ReadingTest)
#include "reading_test.moc"
