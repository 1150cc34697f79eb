#include "platform/usb_latency.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/atomic_file.h"

namespace kestrovin {
namespace {

class UsbLatencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::path(::testing::TempDir()) /
                ("sysfs-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::string Timer(const std::string& tty) {
        return (root_ / "bus/usb-serial/devices" / tty / "latency_timer").string();
    }
    void Adapter(const std::string& tty, const std::string& latency) {
        std::filesystem::create_directories(std::filesystem::path(Timer(tty)).parent_path());
        WriteFileAtomically(Timer(tty), latency + "\n");
    }
    std::string Read(const std::string& tty) {
        std::string text;
        ReadWholeFile(Timer(tty), text);
        return text;
    }

    std::filesystem::path root_;
};

TEST_F(UsbLatencyTest, MotherboardPortHasNoTimerAndNoHint) {
    const LatencyCheck check = CheckUsbLatency(root_.string(), "/dev/ttyS0", "ttyS0");
    EXPECT_FALSE(check.latency_ms.has_value());
    EXPECT_TRUE(check.hint.empty());
}

TEST_F(UsbLatencyTest, FastAdapterIsLeftAlone) {
    Adapter("ttyUSB0", "1");
    int writes = 0;
    const LatencyCheck check = CheckUsbLatency(root_.string(), "/dev/ttyUSB0", "ttyUSB0", [&](const std::string&, const std::string&) {
        ++writes;
        return true;
    });
    EXPECT_EQ(check.latency_ms, 1);
    EXPECT_TRUE(check.hint.empty());
    EXPECT_EQ(writes, 0);
}

TEST_F(UsbLatencyTest, SlowAdapterIsSetToOneMillisecond) {
    Adapter("ttyUSB1", "16");
    const LatencyCheck check = CheckUsbLatency(root_.string(), "/dev/ttyUSB1", "ttyUSB1");
    EXPECT_EQ(check.latency_ms, 1);
    EXPECT_TRUE(check.hint.empty());
    EXPECT_EQ(Read("ttyUSB1").substr(0, 1), "1");
}

TEST_F(UsbLatencyTest, SlowAdapterThatCannotBeSetGetsOneHint) {
    Adapter("ttyUSB2", "16");
    const LatencyCheck check =
        CheckUsbLatency(root_.string(), "/dev/ttyUSB2", "ttyUSB2", [](const std::string&, const std::string&) { return false; });
    EXPECT_EQ(check.latency_ms, 16);
    EXPECT_NE(check.hint.find("/dev/ttyUSB2"), std::string::npos) << check.hint;
    EXPECT_NE(check.hint.find("16 мс"), std::string::npos) << check.hint;
    EXPECT_NE(check.hint.find("echo 1 | sudo tee " + Timer("ttyUSB2")), std::string::npos) << check.hint;
    EXPECT_EQ(Read("ttyUSB2"), "16\n");
}

}  // namespace
}  // namespace kestrovin
