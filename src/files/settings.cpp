#include "files/settings.h"

namespace kestrovin {
namespace {

struct UnitKey {
    const char* key;
    int UnitSettings::*field;
    int fallback;
};

constexpr std::array<UnitKey, 6> kUnitKeys{{{"Vozduh", &UnitSettings::Vozduh, 1},
                                            {"Temperature", &UnitSettings::Temperature, 1},
                                            {"KHH", &UnitSettings::KHH, 1},
                                            {"DZ", &UnitSettings::DZ, 1},
                                            {"Korr", &UnitSettings::Korr, 1},
                                            {"Standart", &UnitSettings::Standart, 1}}};
constexpr std::array<UnitKey, 3> kFuelKeys{{{"PrFors", &UnitSettings::PrFors, 55},
                                            {"KolFors", &UnitSettings::KolFors, 4},
                                            {"ChastFors", &UnitSettings::ChastFors, 1}}};

struct TextKey {
    const char* key;
    std::string Description::*field;
};

constexpr std::array<TextKey, 9> kDescriptionKeys{{{"Marka", &Description::car_model},
                                                   {"Year", &Description::year},
                                                   {"Mileage", &Description::mileage},
                                                   {"DVS", &Description::engine_model},
                                                   {"TypeD", &Description::engine_type},
                                                   {"Cylinders", &Description::cylinders},
                                                   {"Transm", &Description::transmission_model},
                                                   {"TypeT", &Description::gearbox},
                                                   {"Weels", &Description::drive}}};

std::string Numbered(const char* name, std::size_t i) { return name + std::to_string(i + 1); }

WindowsColour ReadColour(const IniFile& ini, const std::string& key, WindowsColour fallback) {
    return static_cast<WindowsColour>(ReadInteger(ini, "Param", key, static_cast<int>(fallback)));
}

}  // namespace

void ReadSettings(IniFile& ini, Settings& s, Description* description, WindowPositions* positions) {
    if (ReadInteger(ini, "Main", "Version", 1001) < kOldestKeptLayout) {
        ini.EraseSection("Param");
        ini.EraseSection("FormPos");
    }
    for (const UnitKey& k : kUnitKeys) s.units.*k.field = ReadInteger(ini, "Param", k.key, k.fallback);
    s.Adapter = ReadBool(ini, "Param", "Adapter", false);
    s.DTR = ReadBool(ini, "Param", "DTR", false);
    s.LowCP = ReadBool(ini, "Param", "LowCP", true);
    const Settings defaults;
    for (std::size_t i = 0; i < 6; ++i) s.col[i] = ReadColour(ini, Numbered("col", i), defaults.col[i]);
    for (std::size_t i = 0; i < 6; ++i) s.Grafik[i] = ReadInteger(ini, "Param", Numbered("Grafik", i), defaults.Grafik[i]);
    s.fon = ReadColour(ini, "fon", defaults.fon);
    s.axes = ReadColour(ini, "axes", defaults.axes);
    s.marker = ReadColour(ini, "marker", defaults.marker);
    for (const UnitKey& k : kFuelKeys) s.units.*k.field = ReadInteger(ini, "Param", k.key, k.fallback);
    if (description != nullptr) {
        const Description fallback = DefaultDescription();
        for (const TextKey& k : kDescriptionKeys) description->*k.field = ini.ReadString("Koment", k.key, fallback.*k.field);
    }
    if (positions != nullptr) {
        for (int window : kPlacedWindows) {
            const std::string n = std::to_string(window);
            (*positions)[window] = {ReadInteger(ini, "FormPos", n + "X", 0), ReadInteger(ini, "FormPos", n + "Y", 0)};
        }
    }
    s.Graphs = ReadBool(ini, "ActiveForms", "Graphs", false);
    s.Metodika = ReadBool(ini, "ActiveForms", "Metodika", false);
    s.ManyInstances = ReadBool(ini, "Start", "ManyInstances", false);
}

void WriteSettings(IniFile& ini, const Settings& s, const Description& description, const WindowPositions& positions,
                   std::optional<OpenWindows> closing) {
    WriteInteger(ini, "Main", "Version", kSettingsVersion);
    for (const UnitKey& k : kUnitKeys) WriteInteger(ini, "Param", k.key, s.units.*k.field);
    WriteBool(ini, "Param", "Adapter", s.Adapter);
    WriteBool(ini, "Param", "DTR", s.DTR);
    WriteBool(ini, "Param", "LowCP", s.LowCP);
    for (std::size_t i = 0; i < 6; ++i) WriteInteger(ini, "Param", Numbered("col", i), static_cast<int>(s.col[i]));
    for (std::size_t i = 0; i < 6; ++i) WriteInteger(ini, "Param", Numbered("Grafik", i), s.Grafik[i]);
    WriteInteger(ini, "Param", "fon", static_cast<int>(s.fon));
    WriteInteger(ini, "Param", "axes", static_cast<int>(s.axes));
    WriteInteger(ini, "Param", "marker", static_cast<int>(s.marker));
    for (const UnitKey& k : kFuelKeys) WriteInteger(ini, "Param", k.key, s.units.*k.field);
    for (const TextKey& k : kDescriptionKeys) ini.WriteString("Koment", k.key, description.*k.field);
    for (int window : kPlacedWindows) {
        const auto found = positions.find(window);
        const WindowPosition at = found == positions.end() ? WindowPosition{} : found->second;
        WriteInteger(ini, "FormPos", std::to_string(window) + "X", at.x);
        WriteInteger(ini, "FormPos", std::to_string(window) + "Y", at.y);
    }
    if (closing) {
        WriteBool(ini, "ActiveForms", "Graphs", closing->graphs);
        WriteBool(ini, "ActiveForms", "Metodika", closing->help);
    }
    WriteBool(ini, "Start", "ManyInstances", s.ManyInstances);
    ini.Flush();
}

FuelField CheckFuelField(const std::string& text, std::uint32_t low, std::uint32_t high, std::uint32_t fallback) {
    int number = 0;
    if (!ParseIniInteger(text, number)) return {fallback, false};
    const auto value = static_cast<std::uint32_t>(number);
    return {value, value >= low && value <= high};
}

}  // namespace kestrovin
