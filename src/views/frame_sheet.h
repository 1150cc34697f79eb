#pragma once
// The 28 name/value rows of one stored frame, as the main table shows them, and
// the protocol column (raw values) beside rows 0..22.
#include <array>
#include <string>

#include "params/unit_settings.h"
#include "platform/locale_format.h"
#include "record/frame_store.h"

namespace kestrovin {

inline constexpr int kSheetRows = 28;
inline constexpr int kProtocolRows = 23;

struct SheetRow {
    std::string name;
    std::string value;
    bool operator==(const SheetRow&) const = default;
};

using FrameSheet = std::array<SheetRow, kSheetRows>;

// Builds the sheet of frame k (1..frame count). Sets `last_coolant_temperature`
// to the coolant temperature that the sheet's text shows.
FrameSheet BuildFrameSheet(const FrameStore& store, int k, const UnitSettings& units, const LocaleFormat& locale,
                           double& last_coolant_temperature);

// The identifier bits as twelve "1"/"0" characters, bit 1 first.
std::string IdentifierText(const IdentifierBits& bits);
// Sum of 2^i over the positions i = 1..12 of the text that hold "1" (0..8190).
int IdentifierNumber(const std::string& identifier_text);

// Row 0 the identifier number, rows 1..10 the analogue bytes, rows 11..22 "1"/"0" of the named flags.
std::array<std::string, kProtocolRows> ProtocolRows(const FrameStore& store, int k);

}  // namespace kestrovin
