#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "platform/ini_file.h"
#include "platform/linux_serial_line.h"
#include "platform/port_map.h"

namespace kestrovin {
namespace {

TEST(PortMap, NamesMapToDevices) {
    const PortOverrides none;
    EXPECT_EQ(DeviceForPort(1, none), "/dev/ttyS0");
    EXPECT_EQ(DeviceForPort(32, none), "/dev/ttyS31");
    EXPECT_EQ(DeviceForPort(33, none), "/dev/ttyUSB0");
    EXPECT_EQ(DeviceForPort(40, none), "/dev/ttyUSB7");
    EXPECT_EQ(DeviceForPort(41, none), "/dev/ttyACM0");
    EXPECT_EQ(DeviceForPort(48, none), "/dev/ttyACM7");
    EXPECT_EQ(DeviceForPort(49, none), "");
    EXPECT_EQ(DeviceForPort(50, none), kSimulatorDevice);
    EXPECT_EQ(DeviceForPort(0, none), "");
    EXPECT_EQ(DeviceForPort(51, none), "");
    EXPECT_EQ(DeviceForPort(5, {{5, "/dev/ttyUSB3"}}), "/dev/ttyUSB3");
    EXPECT_EQ(DeviceForPort(50, {{50, "/dev/ttyS0"}}), "/dev/ttyS0");
}

TEST(PortMap, OverridesComeFromThePortsSection) {
    const std::string path = ::testing::TempDir() + "/ports.ini";
    {
        auto ini = OpenIniFile(path);
        ini->WriteString("Ports", "COM5", "/dev/ttyUSB3");
        ini->WriteString("Ports", "com49", "/dev/ttyAMA0");
        ini->Flush();
    }
    const PortOverrides overrides = ReadPortOverrides(*OpenIniFile(path));
    EXPECT_EQ(overrides, (PortOverrides{{5, "/dev/ttyUSB3"}, {49, "/dev/ttyAMA0"}}));
    std::remove(path.c_str());
}

TEST(LinuxSerialLine, NoDeviceOrNoModemLinesCannotBeOpened) {
    std::string error;
    EXPECT_EQ(OpenLinuxSerialLine("/dev/ttyUSB-none", &error), nullptr);
    EXPECT_NE(error.find("/dev/ttyUSB-none"), std::string::npos);
    EXPECT_EQ(OpenLinuxSerialLine("/dev/null", &error), nullptr) << "not a serial port";
}

// The machines have a virtual UART whose DSR never changes: open, configure,
// wait and cancel for real.
TEST(LinuxSerialLine, WaitOnARealPortIsCancelledPromptly) {
    struct stat info {};
    if (stat("/dev/ttyS0", &info) != 0) GTEST_SKIP() << "no /dev/ttyS0";
    std::string error;
    auto line = OpenLinuxSerialLine("/dev/ttyS0", &error);
    if (!line) GTEST_SKIP() << error;
    EXPECT_TRUE(line->ReadDsr().has_value());
    EXPECT_EQ(OpenLinuxSerialLine("/dev/ttyS0"), nullptr) << "a second open must fail while we hold it";

    std::atomic<int> result{-1};
    std::thread waiter([&] { result = static_cast<int>(line->WaitForDsrChange()); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(result.load(), -1) << "DSR does not change on this port";
    const auto start = std::chrono::steady_clock::now();
    while (result.load() == -1 && std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) {
        line->CancelWait();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    waiter.join();
    EXPECT_EQ(result.load(), static_cast<int>(WaitResult::Cancelled));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

}  // namespace
}  // namespace kestrovin
