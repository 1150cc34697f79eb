#pragma once
// The program's lasting settings and their file: [Main] Version, [Param] units,
// receiving options, graph colours and series, fuel constants; [Koment] the
// default car description; [FormPos] window places; [ActiveForms] windows open
// at the last exit; [Start] the single-instance option.
#include <array>
#include <map>
#include <optional>
#include <string>

#include "files/description.h"
#include "params/unit_settings.h"
#include "platform/dialogs.h"
#include "platform/ini_file.h"

namespace kestrovin {

inline constexpr int kSettingsVersion = 8000;
// Files of an older layout lose their [Param] and [FormPos] sections.
inline constexpr int kOldestKeptLayout = 7090;

struct Settings {
    UnitSettings units;  // Vozduh .. Standart and PrFors, KolFors, ChastFors
    bool Adapter = false;
    bool DTR = false;
    bool LowCP = true;
    std::array<WindowsColour, 6> col{0, 32768, 255, 33023, 16711680, 12615935};
    std::array<int, 6> Grafik{3, 0, 1, 4, 2, 8};
    WindowsColour fon = 0;
    WindowsColour axes = 16777215;
    WindowsColour marker = 8421504;
    bool Graphs = false;
    bool Metodika = false;
    bool ManyInstances = false;

    bool operator==(const Settings&) const = default;
};

struct WindowPosition {
    int x = 0;
    int y = 0;
    bool operator==(const WindowPosition&) const = default;
};
// Windows 1 and 3..9 by their number.
using WindowPositions = std::map<int, WindowPosition>;
inline constexpr std::array<int, 8> kPlacedWindows{1, 3, 4, 5, 6, 7, 8, 9};

// Reads the record (and, when asked, the description and window places). A
// layout older than 7090 first erases [Param] and [FormPos].
void ReadSettings(IniFile& ini, Settings& settings, Description* description, WindowPositions* positions);

// The windows open now, written only when the program closes.
struct OpenWindows {
    bool graphs = false;
    bool help = false;
};

// Writes every key in the documented order and flushes. Throws FileWriteError
// or CodecError naming the problem.
void WriteSettings(IniFile& ini, const Settings& settings, const Description& description,
                   const WindowPositions& positions, std::optional<OpenWindows> closing);

// The three fuel-estimate fields of the settings dialog.
struct FuelField {
    std::uint32_t value;  // as shown again in the field, unsigned decimal
    bool valid;
};
// The text as a 32-bit integer read as unsigned; not a number gives `fallback`, invalid.
FuelField CheckFuelField(const std::string& text, std::uint32_t low, std::uint32_t high, std::uint32_t fallback);

}  // namespace kestrovin
