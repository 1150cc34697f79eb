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
std::unique_ptr<SerialLine> OpenLinuxSerialLine(const std::string& device, std::string* error = nullptr);

}  // namespace kestrovin
