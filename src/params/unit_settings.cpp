#include "params/unit_settings.h"

#include <array>

namespace kestrovin {
namespace {

struct Preset {
    int standart, vozduh, khh, temperature, dz, korr;
};

constexpr std::array<Preset, 3> kPresets{{
    {1, 1, 1, 1, 1, 1},  // (4,5,7)A-FE; (3,4,5)S-FE; 4A-GE: MAP in kPa
    {2, 6, 1, 1, 1, 1},  // 1G-GTE: VAF
    {3, 6, 1, 1, 1, 1},  // 1JZ-GTE: VAF
}};

template <typename Units>
auto& Field(Units& units, UnitPanel panel) {
    switch (panel) {
        case UnitPanel::Preset: return units.Standart;
        case UnitPanel::Intake: return units.Vozduh;
        case UnitPanel::IdleValve: return units.KHH;
        case UnitPanel::Temperature: return units.Temperature;
        case UnitPanel::Throttle: return units.DZ;
        case UnitPanel::Trim: return units.Korr;
    }
    return units.Standart;
}

}  // namespace

void ChooseUnitBox(UnitSettings& units, UnitPanel panel, int value) {
    if (panel != UnitPanel::Preset) {
        Field(units, panel) = value;
        return;
    }
    units.Standart = value;
    for (const Preset& preset : kPresets) {
        if (preset.standart != value) continue;
        units.Vozduh = preset.vozduh;
        units.KHH = preset.khh;
        units.Temperature = preset.temperature;
        units.DZ = preset.dz;
        units.Korr = preset.korr;
    }
}

bool UnitBoxesEnabled(const UnitSettings& units) { return units.Standart <= 0; }

int CheckedUnitBox(const UnitSettings& units, UnitPanel panel) {
    return Field(units, panel);
}

}  // namespace kestrovin
