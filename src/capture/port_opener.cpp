#include "capture/port_opener.h"

#include "platform/linux_serial_line.h"

namespace kestrovin {

std::unique_ptr<SerialLine> PortOpener::Open(int port_number) {
    last_error_.clear();
    const std::string device = DeviceForPort(port_number, overrides_);
    if (device.empty()) {
        last_error_ = "COM" + std::to_string(port_number) + ": такого порта нет";
        return nullptr;
    }
    if (device == kSimulatorDevice) return std::make_unique<SimulatorLine>(simulator_, clock_);
    return OpenLinuxSerialLine(device, &last_error_);
}

}  // namespace kestrovin
