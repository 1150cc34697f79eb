#pragma once
// Port names "COM1".."COM50" and the devices behind them:
//   COM1..COM32  /dev/ttyS0..31      COM33..COM40  /dev/ttyUSB0..7
//   COM41..COM48 /dev/ttyACM0..7     COM50         the built-in engine simulator
// A [Ports] section of the settings file overrides any entry (COM5=/dev/ttyUSB3).
#include <map>
#include <string>

namespace kestrovin {

class IniFile;

inline constexpr int kLastPort = 50;
inline constexpr int kSimulatorPort = 50;
inline constexpr const char* kSimulatorDevice = "simulator";

using PortOverrides = std::map<int, std::string>;

// The device of port n: a path, kSimulatorDevice, or empty for none.
std::string DeviceForPort(int port_number, const PortOverrides& overrides);

PortOverrides ReadPortOverrides(const IniFile& ini);

}  // namespace kestrovin
