#pragma once
// A serial line as the capture needs it: only the DSR input matters.
//
// Threads: a line is opened on the user-interface thread and then used by one
// capture thread only, except CancelWait(), which any thread may call.
#include <memory>
#include <optional>
#include <string>

namespace kestrovin {

enum class WaitResult {
    DsrChanged,  // the DSR input changed
    OtherEvent,  // woke without a DSR change
    Cancelled,   // CancelWait() was called
    Failed,      // the line is gone or broken (adapter pulled, driver error)
};

enum class WaitMethod { ModemInterrupt, Polling, Simulated };

class SerialLine {
public:
    virtual ~SerialLine() = default;
    // Sleeps until the DSR input changes, CancelWait() is called or the line fails.
    virtual WaitResult WaitForDsrChange() = 0;
    // Whether DSR is on now; empty when the status cannot be read.
    virtual std::optional<bool> ReadDsr() = 0;
    // Wakes a pending or the next wait, which then returns Cancelled. Thread-safe.
    virtual void CancelWait() = 0;
    virtual WaitMethod wait_method() const = 0;
    // The adapter's latency timer in ms, where it has one.
    virtual std::optional<int> latency_ms() const { return std::nullopt; }
    // A warning for the info field when the line cannot read cleanly (a slow adapter).
    virtual std::string hint() const { return {}; }
    // A line for people: "/dev/ttyUSB0, ожидание TIOCMIWAIT".
    virtual std::string Description() const = 0;
};

// Opens port names "COM1".."COM50" through the port map.
class SerialPortOpener {
public:
    virtual ~SerialPortOpener() = default;
    // Empty when the port cannot be opened or configured.
    virtual std::unique_ptr<SerialLine> Open(int port_number) = 0;
    // Why the last Open failed, for people; empty when unknown.
    virtual std::string LastError() const { return {}; }
    // Opens and closes again at once.
    bool PortExists(int port_number) { return Open(port_number) != nullptr; }
};

}  // namespace kestrovin
