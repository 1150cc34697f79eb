#pragma once
// The table export (".csv") for a spreadsheet: one ";"-separated row of raw
// values per frame, then the three samples and the additional description.
// Windows-1251, CR LF, nothing quoted.
#include <string>

#include "files/record_file.h"

namespace kestrovin {

inline constexpr int kExportSampleRows = 28;

// Throws CodecError when a text cannot be written in Windows-1251.
std::string WriteTableExport(const FrameStore& store, const Samples& samples, const std::string& additional_description,
                             const LocaleFormat& locale);

}  // namespace kestrovin
