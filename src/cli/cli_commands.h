#pragma once
// The commands of kestrovin-cli as functions over streams, so tests run them
// without a process. Each returns the exit status: 0 success, 2 bad input.
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/locale_format.h"

namespace kestrovin::cli {

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const LocaleFormat& locale);

}  // namespace kestrovin::cli
