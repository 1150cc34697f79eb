#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/atomic_file.h"

namespace kestrovin {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("kestrovin-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "kestrovin.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string path_;
};

TEST_F(IniFileTest, MissingFileReadsDefaults) {
    auto ini = OpenIniFile(path_);
    EXPECT_EQ(ini->ReadString("Param", "Vozduh", "x"), "x");
    EXPECT_EQ(ReadInteger(*ini, "Param", "Vozduh", 1), 1);
    EXPECT_TRUE(ReadBool(*ini, "Start", "ManyInstances", true));
}

TEST_F(IniFileTest, WrittenValuesReadBackAsWindows1251) {
    {
        auto ini = OpenIniFile(path_);
        ini->WriteString("Koment", "Model", "Королла Ё");
        WriteInteger(*ini, "Param", "PrFors", 55);
        WriteBool(*ini, "Start", "ManyInstances", true);
        ini->Flush();
    }
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path_, bytes));
    EXPECT_NE(bytes.find("\xCA\xEE\xF0\xEE\xEB\xEB\xE0 \xA8"), std::string::npos) << "stored in Windows-1251";
    auto ini = OpenIniFile(path_);
    EXPECT_EQ(ini->ReadString("koment", "MODEL", ""), "Королла Ё") << "keys are case-insensitive";
    EXPECT_EQ(ReadInteger(*ini, "Param", "PrFors", 0), 55);
    EXPECT_TRUE(ReadBool(*ini, "Start", "ManyInstances", false));
}

TEST_F(IniFileTest, IntegersAcceptHexadecimalAndRejectGarbage) {
    ASSERT_NO_THROW(WriteFileAtomically(path_, "[P]\na=0x10\nb=$FF\nc=abc\nd= 12 \ne=-7\nf=99999999999\ng=$FFFFFFFF\nh=\n"));
    auto ini = OpenIniFile(path_);
    EXPECT_EQ(ReadInteger(*ini, "P", "a", 0), 16);
    EXPECT_EQ(ReadInteger(*ini, "P", "b", 0), 255);
    EXPECT_EQ(ReadInteger(*ini, "P", "c", 5), 5);
    EXPECT_EQ(ReadInteger(*ini, "P", "d", 0), 12);
    EXPECT_EQ(ReadInteger(*ini, "P", "e", 0), -7);
    EXPECT_EQ(ReadInteger(*ini, "P", "f", 3), 3);
    EXPECT_EQ(ReadInteger(*ini, "P", "g", 0), -1);
    EXPECT_EQ(ReadInteger(*ini, "P", "h", 4), 4);
}

TEST_F(IniFileTest, ErasedSectionIsGoneAfterFlush) {
    auto ini = OpenIniFile(path_);
    ini->WriteString("FormPos", "1X", "10");
    ini->WriteString("Koment", "Year", "1995");
    ini->EraseSection("formpos");
    ini->Flush();
    auto again = OpenIniFile(path_);
    EXPECT_EQ(again->ReadString("FormPos", "1X", "none"), "none");
    EXPECT_EQ(again->ReadString("Koment", "Year", ""), "1995");
}

TEST_F(IniFileTest, FailedFlushReportsTheFileAndLeavesNoTemporary) {
    auto ini = OpenIniFile((folder_ / "missing" / "kestrovin.ini").string());
    ini->WriteString("Param", "KHH", "1");
    try {
        ini->Flush();
        FAIL() << "flush into a missing folder succeeded";
    } catch (const FileWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("kestrovin.ini"), std::string::npos);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 0);
}

TEST_F(IniFileTest, AtomicWriteReplacesWholeFile) {
    WriteFileAtomically(path_, "old content that is longer");
    WriteFileAtomically(path_, "new");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path_, bytes));
    EXPECT_EQ(bytes, "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "no temporary left";
}

}  // namespace
}  // namespace kestrovin

#include <sys/resource.h>

#include <csignal>

namespace kestrovin {
namespace {

// A write that fails after the temporary file was created (the file-size limit
// stands in for a full disk) leaves the previous file exactly as it was.
TEST_F(IniFileTest, WriteFailingMidwayKeepsThePreviousFile) {
    const std::string previous(10000, 'p');
    WriteFileAtomically(path_, previous);
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    try {
        WriteFileAtomically(path_, std::string(100000, 'n'));
        ADD_FAILURE() << "the oversized write succeeded";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(error.stage(), FileWriteError::Stage::Write);
    }
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path_, bytes));
    EXPECT_EQ(bytes, previous);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "no temporary left";
}

}  // namespace
}  // namespace kestrovin
