#include "platform/port_map.h"

#include "platform/ini_file.h"

namespace kestrovin {

std::string DeviceForPort(int port_number, const PortOverrides& overrides) {
    if (const auto found = overrides.find(port_number); found != overrides.end()) return found->second;
    if (port_number >= 1 && port_number <= 32) return "/dev/ttyS" + std::to_string(port_number - 1);
    if (port_number >= 33 && port_number <= 40) return "/dev/ttyUSB" + std::to_string(port_number - 33);
    if (port_number >= 41 && port_number <= 48) return "/dev/ttyACM" + std::to_string(port_number - 41);
    if (port_number == kSimulatorPort) return kSimulatorDevice;
    return {};
}

PortOverrides ReadPortOverrides(const IniFile& ini) {
    PortOverrides overrides;
    for (int n = 1; n <= kLastPort; ++n) {
        const std::string device = ini.ReadString("Ports", "COM" + std::to_string(n), "");
        if (!device.empty()) overrides[n] = device;
    }
    return overrides;
}

}  // namespace kestrovin
