#pragma once
// Serial ports on Linux: exclusive open, 9600 8N1 raw, DTR and RTS off, DSR
// changes awaited with TIOCMIWAIT (or by polling TIOCMGET every 0.5 ms where a
// driver lacks it).
#include <memory>
#include <string>

#include "platform/serial_line.h"

namespace kestrovin {

// Empty (with the reason in `error` when given) if the device cannot be opened
// exclusively, is held by another program, or has no modem lines.
// The driver is asked for low latency; a USB adapter's latency timer (under
// `sysfs_root`) is lowered to 1 ms where permitted, else the line carries a hint.
std::unique_ptr<SerialLine> OpenLinuxSerialLine(const std::string& device, std::string* error = nullptr,
                                                const std::string& sysfs_root = "/sys");

}  // namespace kestrovin
