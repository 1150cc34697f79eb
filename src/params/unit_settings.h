#pragma once
// The unit choices and fuel constants the conversions read. Field names are the
// settings-file keys.
namespace kestrovin {

struct UnitSettings {
    int Vozduh = 1;       // intake: 1 MAP kPa, 2 MAP mm Hg, 3 turbo MAP kPa, 4 turbo MAP mm Hg, 5 MAF g/s, 6 VAF V
    int Temperature = 1;  // coolant characteristic: 1 direct, anything else inverse
    int KHH = 1;          // idle-air valve: 1 percent of 255, 2 steps
    int DZ = 1;           // throttle: 1 degrees, 2 percent
    int Korr = 1;         // fuel trims: 1 volts, 2 percent
    int Standart = 1;     // engine preset: 0 own settings, 1..3 presets
    int PrFors = 55;      // injector flow, g per 15 s
    int KolFors = 4;      // injectors
    int ChastFors = 1;    // injections per injector per two crankshaft turns

    bool operator==(const UnitSettings&) const = default;
};

// The unit group of the settings dialog.
enum class UnitPanel { Preset, Intake, IdleValve, Temperature, Throttle, Trim };

// A click on the unit box with `value` in `panel`. A preset box (1..3) sets all
// five unit fields; "own settings" (0) keeps them.
void ChooseUnitBox(UnitSettings& units, UnitPanel panel, int value);

// The unit boxes (every panel but the presets) are enabled only for own settings.
bool UnitBoxesEnabled(const UnitSettings& units);

// The box of `panel` that shows as checked.
int CheckedUnitBox(const UnitSettings& units, UnitPanel panel);

}  // namespace kestrovin
