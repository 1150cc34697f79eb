#pragma once
// USB serial adapters report modem-line changes only in their periodic USB
// packets; with a latency timer of 16 ms a DSR edge arrives up to 16 ms late
// and 8.2 ms bit cells cannot be told apart. The program lowers the timer to
// 1 ms where it may and otherwise tells the user how to do it.
#include <functional>
#include <optional>
#include <string>

namespace kestrovin {

// Edges read cleanly up to this latency (measured with the simulator).
inline constexpr int kLatencyLimitMs = 2;

struct LatencyCheck {
    std::optional<int> latency_ms;  // empty: no latency timer (not a USB serial device)
    std::string hint;               // for the info field; empty when all is well
};

// Writes `text` to the file at `path`; false when not permitted.
using SysfsWriter = std::function<bool(const std::string& path, const std::string& text)>;
bool WriteSysfsFile(const std::string& path, const std::string& text);

// `device` is the port's device (for the hint), `tty` its kernel name ("ttyUSB0").
LatencyCheck CheckUsbLatency(const std::string& sysfs_root, const std::string& device, const std::string& tty,
                             const SysfsWriter& write = WriteSysfsFile);

}  // namespace kestrovin
