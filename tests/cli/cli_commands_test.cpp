#include "cli/cli_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "capture/edge_list.h"
#include "capture/frame_encoder.h"
#include "capture/port_opener.h"
#include "cli/record_command.h"
#include "platform/atomic_file.h"
#include "support/shared_data.h"

namespace kestrovin {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, in, out, err, LocaleFormat{",", "H:mm:ss"});
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Runs `record` on the simulator with a manual clock, so frames come at once.
Result RecordSimulated(const std::vector<std::string>& args, SimulatorOptions simulator, const LocaleFormat& locale = {}) {
    ManualClock clock;
    PortOpener opener(clock, {}, std::move(simulator));
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Record(args, out, err, locale, opener, clock);
    return {status, out.str(), err.str()};
}

SimulatorOptions RealDriveReplay() {
    SimulatorOptions simulator;
    simulator.replay = testing::RealDriveFrames();
    return simulator;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() /
                 ("kestrovin-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".csv"))
                    .string();
    }
    void TearDown() override { std::filesystem::remove(path_); }
    std::string path_;
};

TEST_F(CliTest, SheetPrintsTwentyEightRowsPerFrame) {
    WriteFileAtomically(path_, "b1;b2;b3;b4;b5;b6;b7;b8;b9;b10;b11;b12\r\n80;0;0;120;0;228;0;60;0;0;0;0\r\n1;2;3;4;5;6;7;8;9;10;11;12\r\n");
    const Result r = RunCli({"sheet", "--frames", path_, "--set", "PrFors=55", "--set", "KolFors=4", "--set", "ChastFors=2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 56u);
    EXPECT_EQ(lines[6], "1\t6\t6.А  Темпер. ОЖ(Прям.):\t80,0 град.С");
    EXPECT_EQ(lines[23], "1\t23\tПрибл.расход л/час:\t26,40");
    EXPECT_EQ(lines[24], "1\t24\tПрибл.расход л/100:\t44,0");
    EXPECT_EQ(lines[26], "1\t26\tКадр/Всего:\t1 / 2");
    EXPECT_EQ(lines[28 + 26], "2\t26\tКадр/Всего:\t2 / 2");
}

TEST_F(CliTest, SetChangesTheUnits) {
    WriteFileAtomically(path_, "header\n0;0;0;0;255;0;0;0;0;0;0;0\n");
    const Result r = RunCli({"sheet", "--frames", path_, "--set", "Vozduh=6", "--set", "Temperature=2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_EQ(lines[5], "1\t5\t5.А  VAF, В:\t5,00 В");
    EXPECT_EQ(lines[6], "1\t6\t6.А  Темпер. ОЖ(Обр.):\t240,0 град.С");
}

TEST_F(CliTest, BadInputExitsWithStatusTwoAndNamesThePlace) {
    WriteFileAtomically(path_, "header\n1;2;3;4;5;6;7;8;9;10;11;12\n1;2;3;4;5;6;7;8;9;10;11;256\n");
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string named;
    };
    for (const Case& c : {Case{{"sheet", "--frames", path_}, "", path_ + ":3:"},
                          Case{{"sheet", "--frames", path_ + ".missing"}, "", ".missing"},
                          Case{{"sheet", "--frames", path_, "--set", "Colour=3"}, "", "Colour"},
                          Case{{"sheet", "--frames", path_, "--set", "KHH=two"}, "", "KHH"},
                          Case{{"sheet"}, "", "--frames"},
                          Case{{"frobnicate"}, "", "frobnicate"},
                          Case{{}, "", "--help"},
                          Case{{"decode"}, "0:13 1:2\n0:13 x\n", "stdin:2:"},
                          Case{{"decode"}, "2:13\n", "stdin:1:"}}) {
        const Result r = RunCli(c.args, c.input);
        EXPECT_EQ(r.status, 2) << c.named;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << "one line: " << r.err;
    }
}

TEST(Cli, DecodeJudgesEveryList) {
    auto line = [](const std::vector<EdgeRecord>& runs) {
        std::string text;
        for (const EdgeRecord& run : runs)
            text += (text.empty() ? "" : " ") + std::to_string(run.level) + ":" + std::to_string(run.ticks);
        return text + "\n";
    };
    const Frame frame = MakeFrame({17, 113, 96, 45, 4, 228, 0, 60, 128, 0, 0, 146}, {0, 1});
    std::vector<EdgeRecord> long_list(331, EdgeRecord{1, 0});
    const Result r = RunCli({"decode"}, line(EncodeEdgeList(frame)) + "\n0:14 1:2\n" + line(long_list));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "good\t010000000000\t17 113 96 45 4 228 0 60 128 0 0 146\nbad\nbad\nignored\n");
}

TEST(Cli, HelpDocumentsEveryCommand) {
    const Result r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"sheet", "--frames", "--set", "decode", "good", "ignored"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST(Cli, RealDriveSheetCoversEveryFrame) {
    const Result r = RunCli({"sheet", "--frames", testing::SharedDataPath("real-drive.csv")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto frames = testing::RealDriveFrames();
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), frames.size() * 28);
    EXPECT_EQ(lines.back().substr(0, lines.back().find('\t')), std::to_string(frames.size()));
}


TEST_F(CliTest, RecordPrintsFramesAndWritesTheRawTable) {
    const SimulatorOptions simulator = RealDriveReplay();
    const Result r = RecordSimulated({"record", "COM50", "--frames", "10", "--out", path_}, simulator, LocaleFormat{",", "H:mm:ss"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].rfind("# COM50: ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].substr(0, 2), "1\t");
    EXPECT_NE(lines[1].find("\t2,125 мс.\t"), std::string::npos) << lines[1];  // b1 = 17
    EXPECT_NE(lines[1].find("\t80,0 град.С\t"), std::string::npos) << lines[1];  // b6 = 228
    std::string written;
    ASSERT_TRUE(ReadWholeFile(path_, written));
    const auto frames = ParseRawFrames(written);
    EXPECT_EQ(frames, std::vector<FrameBytes>(simulator.replay.begin(), simulator.replay.begin() + 10));
}

TEST_F(CliTest, RecordShowsBadFramesAndRefusesBadPorts) {
    SimulatorOptions simulator;
    simulator.bad_share = 0.5;
    const Result r = RecordSimulated({"record", "50", "--frames", "20"}, simulator);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_GT(std::count(lines.begin(), lines.end(), "bad"), 3);
    EXPECT_EQ(static_cast<long>(lines.size()) - std::count(lines.begin(), lines.end(), "bad"), 21);

    const Result closed = RecordSimulated({"record", "COM49"}, simulator);
    EXPECT_EQ(closed.status, 1);
    EXPECT_NE(closed.err.find("Ошибка открытия COM49"), std::string::npos);
    EXPECT_THROW(RecordSimulated({"record", "COM50", "--frames", "0"}, simulator), std::invalid_argument);
}


TEST_F(CliTest, RecordFilesFeedSheetAndExport) {
    const std::string record = path_ + ".kvr";
    const Result recorded = RecordSimulated({"record", "COM50", "--frames", "12", "--out", record}, RealDriveReplay());
    ASSERT_EQ(recorded.status, 0) << recorded.err;

    const Result sheet = RunCli({"sheet", "--record", record});
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    const auto lines = Lines(sheet.out);
    ASSERT_EQ(lines.size(), 12u * 28);
    EXPECT_EQ(lines[26], "1\t26\tКадр/Всего:\t1 / 12");
    EXPECT_EQ(lines[6], "1\t6\t6.А  Темпер. ОЖ(Прям.):\t80,0 град.С");

    const std::string csv = path_ + ".export.csv";
    const Result exported = RunCli({"export", record, csv});
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(csv, bytes));
    EXPECT_EQ(bytes.rfind("\xC7\xE0\xEF\xE8\xF1\xFC", 0), 0u) << "starts with «Запись» in Windows-1251";
    EXPECT_NE(bytes.find("\r\n12;18;99;95;49;4;230;0;68;128;0;0000000000000;"), std::string::npos) << "frame 12 row";
    std::remove(record.c_str());
    std::remove(csv.c_str());

    EXPECT_EQ(RunCli({"export", path_ + ".missing.kvr", csv}).status, 2);
    EXPECT_EQ(RunCli({"sheet", "--record", path_}).status, 2) << "a raw table is no record file";
    EXPECT_EQ(RunCli({"sheet", "--record", record, "--frames", path_}).status, 2);
}


TEST_F(CliTest, SheetTakesUnitsFromASettingsFile) {
    WriteFileAtomically(path_, "header\n80;0;0;120;255;0;0;60;0;0;0;0\n");
    const std::string ini = path_ + ".ini";
    WriteFileAtomically(ini, "[Main]\nVersion=8000\n[Param]\nVozduh=6\nPrFors=55\nKolFors=4\nChastFors=2\n");
    const Result r = RunCli({"sheet", "--frames", path_, "--settings", ini, "--set", "KolFors=8"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    EXPECT_EQ(lines[5], "1\t5\t5.А  VAF, В:\t5,00 В");
    EXPECT_EQ(lines[23], "1\t23\tПрибл.расход л/час:\t52,80") << "ChastFors from the file, KolFors from --set";
    EXPECT_EQ(RunCli({"sheet", "--frames", path_, "--settings", ini + ".missing"}).status, 2);
    std::remove(ini.c_str());
}

}  // namespace
}  // namespace kestrovin
