#pragma once
// Frame bytes to engineering values and the texts every view shows.
//
// Parameters 1..22: the analogue bytes 1..10, then the flags 11.0, 11.1, 11.4,
// 11.5, 11.6, 12.0, 12.1, 12.2, 12.3, 12.4, 12.5, 12.7. A unit field outside its
// listed values is read as its first value (only the coolant characteristic
// reads everything but 1 as inverse), so every byte always has a text.
#include <string>

#include "capture/frame.h"
#include "params/unit_settings.h"

namespace kestrovin {

inline constexpr int kParameterCount = 22;
inline constexpr int kAnalogueParameters = 10;

// Name text (row label) of parameter 1..22.
std::string ParameterName(int parameter, const UnitSettings& units);

// Value text of parameter 1..22 with its unit suffix. For parameter 6 the
// coolant temperature as read back from its text is stored in
// `last_coolant_temperature` when given.
std::string ParameterValueText(int parameter, const FrameBytes& bytes, const UnitSettings& units,
                               const std::string& decimal_separator, double* last_coolant_temperature = nullptr);

// Flag m.n (byte 11 or 12, bit 0..7) of the frame.
bool FlagBit(const FrameBytes& bytes, int byte, int bit);

// The flag (byte, bit) behind parameter 11..22.
struct FlagPosition {
    int byte;
    int bit;
};
FlagPosition FlagOfParameter(int parameter);

// Coolant temperature in degrees C by the ten-segment characteristic.
double CoolantTemperature(std::uint8_t b6, const UnitSettings& units);

struct FuelEstimate {
    double litres_per_hour = 0;
    double litres_per_100km = 0;
    std::string per_hour_text;    // 4/2
    std::string per_100km_text;   // 3/1; «999,0» while standing
};
FuelEstimate EstimateFuel(const FrameBytes& bytes, const UnitSettings& units, const std::string& decimal_separator);

// Value text of trim parameter 9 or 10 with its plausibility mark (graph window).
std::string TrimMarkText(int parameter, const FrameBytes& bytes, const UnitSettings& units,
                         double last_coolant_temperature, const std::string& decimal_separator);

}  // namespace kestrovin
