#include "capture/synthetic_drive.h"

#include <algorithm>
#include <cmath>

#include "params/conversions.h"

namespace kestrovin {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::uint8_t Byte(double value) { return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

// Road speed in km/h over one 450-frame driving cycle (about ten minutes).
double CycleSpeed(long f) {
    if (f < 60) return 0;                                       // idle
    if (f < 200) return 45 + 15 * std::sin((f - 60) * kPi / 35);  // town
    if (f < 230) return 45 + (f - 200) * 2.5;                   // on to the main road
    if (f < 360) return 120 + 6 * std::sin((f - 230) * kPi / 20);
    if (f < 400) return std::max(0.0, 120 - (f - 360) * 3.2);   // slowing down
    return 0;                                                   // standing
}

}  // namespace

std::uint8_t CoolantByteFor(double celsius) {
    const UnitSettings direct;
    int best = 0;
    for (int b = 1; b <= 255; ++b)
        if (std::fabs(CoolantTemperature(static_cast<std::uint8_t>(b), direct) - celsius) <
            std::fabs(CoolantTemperature(static_cast<std::uint8_t>(best), direct) - celsius))
            best = b;
    return static_cast<std::uint8_t>(best);
}

FrameBytes SyntheticDriveFrame(long index) {
    const long f = index < 0 ? 0 : index;
    const double coolant = std::min(88.0, 18 + f * 0.25);  // warm after about six minutes
    const bool cranking = f < 3;
    const long cycle_frame = f < 120 ? 0 : (f - 120) % 450;  // two minutes of warm-up idle first
    const double speed = f < 120 ? 0 : CycleSpeed(cycle_frame);
    const double previous = f < 121 ? 0 : CycleSpeed(cycle_frame == 0 ? 449 : cycle_frame - 1);
    const double accelerating = std::clamp((speed - previous) / 4, 0.0, 1.0);
    const bool moving = speed > 0.5;

    // Gear steps: engine speed climbs with road speed in each gear.
    double rpm = cranking ? 200 : 750 + std::max(0.0, (60 - coolant) * 8);  // fast idle while cold
    if (moving) {
        const double gear_top[] = {20, 40, 65, 95, 1000};
        const double ratio[] = {110, 62, 42, 31, 25};
        int gear = 0;
        while (speed > gear_top[gear]) ++gear;
        rpm = std::max(900.0, speed * ratio[gear]);
    }
    rpm += 15 * std::sin(f * 1.7);
    const double throttle = moving ? 8 + 40 * accelerating + 4 * std::sin(f * 0.9) : 0;  // degrees
    const double injection = cranking ? 12 : 2.6 + throttle * 0.09 + (coolant < 60 ? 1.2 : 0);  // ms
    const double ignition = cranking ? 5 : 10 + std::min(25.0, (rpm - 750) / 120) - throttle * 0.1;
    const double idle_valve = moving ? 28 : 38 + std::max(0.0, (60 - coolant) * 0.6);  // percent
    const double map_kpa = cranking ? 90 : 32 + throttle * 1.3;
    const bool warm = coolant >= 60;
    const bool feedback = warm && !cranking;
    const double trim = feedback ? 0.45 + 0.4 * std::sin(f * 2.3) : 0.1;  // volts

    FrameBytes bytes{};
    bytes[0] = Byte(injection / 0.125);
    bytes[1] = Byte((ignition + 30) / 0.47);
    bytes[2] = Byte(idle_valve * 255 / 100);
    bytes[3] = Byte(rpm / 25);
    bytes[4] = Byte(map_kpa / 0.6515);
    bytes[5] = CoolantByteFor(coolant);
    bytes[6] = Byte(throttle * 2);
    bytes[7] = Byte(speed);
    bytes[8] = Byte(trim * 256 / 5);
    bytes[9] = 0;  // a four-cylinder engine: no right bank
    bytes[10] = static_cast<std::uint8_t>((f < 20 ? 1u : 0u) << 0 | (!warm ? 1u : 0u) << 1 | (feedback ? 1u : 0u) << 5 |
                                          (accelerating > 0.6 ? 1u : 0u) << 6);
    bytes[11] = static_cast<std::uint8_t>((cranking ? 1u : 0u) << 0 | (throttle < 1 ? 1u : 0u) << 1 |
                                          (!moving ? 1u : 0u) << 3 | (trim > 0.45 ? 1u : 0u) << 4 | 1u << 7);
    return bytes;
}

}  // namespace kestrovin
