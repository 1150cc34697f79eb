#pragma once
// kestrovin-cli record: headless reading of a port.
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/counter.h"
#include "platform/locale_format.h"
#include "platform/serial_line.h"

namespace kestrovin::cli {

// args: PORT [--frames N] [--out FILE]. Returns the exit status; throws
// std::invalid_argument for bad arguments.
int Record(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const LocaleFormat& locale,
           SerialPortOpener& opener, const WaitableClock& clock);

}  // namespace kestrovin::cli
