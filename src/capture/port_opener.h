#pragma once
// Opens "COM" + n: a serial device through the port map, or the simulator.
#include <string>

#include "capture/simulator.h"
#include "platform/counter.h"
#include "platform/port_map.h"
#include "platform/serial_line.h"

namespace kestrovin {

class PortOpener final : public SerialPortOpener {
public:
    PortOpener(const WaitableClock& clock, PortOverrides overrides, SimulatorOptions simulator)
        : clock_(clock), overrides_(std::move(overrides)), simulator_(std::move(simulator)) {}

    std::unique_ptr<SerialLine> Open(int port_number) override;
    std::string LastError() const override { return last_error_; }

private:
    const WaitableClock& clock_;
    PortOverrides overrides_;
    SimulatorOptions simulator_;
    std::string last_error_;
};

}  // namespace kestrovin
