#include "params/conversions.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "params/number_format.h"

namespace kestrovin {
namespace {

struct AnalogueValue {
    double value;
    int precision;
    int decimals;
    const char* suffix;
};

struct IntakeUnit {
    const char* label;
    double factor;  // value = b5 * factor, or b5 / 255 * 5 for VAF
    int precision;
    int decimals;
    const char* suffix;
};

constexpr std::array<IntakeUnit, 6> kIntakeUnits{{
    {"MAP в кПа:", 0.6515, 3, 1, " кПа"},
    {"MAP в мм.рт.ст.:", 4.886, 4, 0, " мм.рт.ст."},
    {"MAP-T в кПа:", 0.97, 3, 1, " кПа"},
    {"MAP-T в мм.рт.ст.:", 7.732, 4, 0, " мм.рт.ст."},
    {"MAF в г/сек:", 2, 3, 1, " г/cек"},  // the "c" of the suffix is Latin
    {"VAF, В:", 0, 3, 2, " В"},
}};

struct FlagText {
    FlagPosition flag;
    const char* name;
    const char* on;
    const char* off;
};

constexpr std::array<FlagText, 12> kFlags{{
    {{11, 0}, "11.0  Переоб.посл.зап.:", "Вкл", "Откл"},
    {{11, 1}, "11.1  Холодный двиг.:", "Да", "Нет"},
    {{11, 4}, "11.4  Детонация:", "Да", "Нет"},
    {{11, 5}, "11.5  Обратн.связь:", "Вкл", "Откл"},
    {{11, 6}, "11.6  Доп.обогащение:", "Вкл", "Откл"},
    {{12, 0}, "12.0  Стартер:", "Вкл", "Откл"},
    {{12, 1}, "12.1  Дроссельная засл.:", "Закр", "Откр"},
    {{12, 2}, "12.2  Кондиционер:", "Вкл", "Откл"},
    {{12, 3}, "12.3  Нейтраль:", "Вкл", "Откл"},
    {{12, 4}, "12.4  Смесь Левая:", "Богатая", "Бедная"},
    {{12, 5}, "12.5  Смесь Правая:", "Богатая", "Бедная"},
    {{12, 7}, "12.7  Диагностика?:", "Хорошо", "Плохо"},
}};

// A unit field outside 1..count reads as 1.
int Choice(int value, int count) { return value >= 1 && value <= count ? value : 1; }

const IntakeUnit& Intake(const UnitSettings& units) { return kIntakeUnits[Choice(units.Vozduh, 6) - 1]; }

bool VoltTrims(const UnitSettings& units) { return Choice(units.Korr, 2) == 1; }

double TrimVolts(std::uint8_t x) { return x * 5.0 / 256.0; }
double TrimPercent(std::uint8_t x) { return x * 20.0 / 128.0 - 20.0; }

AnalogueValue Analogue(int parameter, const FrameBytes& bytes, const UnitSettings& units) {
    const std::uint8_t b = bytes[static_cast<std::size_t>(parameter - 1)];
    switch (parameter) {
        case 1: return {b * 0.125, 4, 3, " мс."};
        case 2: return {b * 0.47 - 30, 3, 1, " град."};
        case 3:
            return Choice(units.KHH, 2) == 1 ? AnalogueValue{b / 255.0 * 100, 3, 1, " %"}
                                             : AnalogueValue{static_cast<double>(b), 3, 0, " шаг"};
        case 4: return {b * 25.0, 4, 0, " об/м"};
        case 5: {
            const IntakeUnit& unit = Intake(units);
            const double value = Choice(units.Vozduh, 6) == 6 ? b / 255.0 * 5 : b * unit.factor;
            return {value, unit.precision, unit.decimals, unit.suffix};
        }
        case 6: return {CoolantTemperature(b, units), 3, 1, " град.С"};
        case 7:
            return Choice(units.DZ, 2) == 1 ? AnalogueValue{b / 2.0, 3, 1, " град."}
                                            : AnalogueValue{b / 1.8, 3, 1, " %."};
        case 8: return {static_cast<double>(b), 3, 0, " км/ч"};
        case 9:
        case 10:
            return VoltTrims(units) ? AnalogueValue{TrimVolts(b), 3, 2, "В"} : AnalogueValue{TrimPercent(b), 3, 2, "%"};
        default: throw std::out_of_range("parameter " + std::to_string(parameter));
    }
}

void CheckParameter(int parameter) {
    if (parameter < 1 || parameter > kParameterCount) throw std::out_of_range("parameter " + std::to_string(parameter));
}

}  // namespace

bool FlagBit(const FrameBytes& bytes, int byte, int bit) { return (bytes[static_cast<std::size_t>(byte - 1)] >> bit) & 1u; }

FlagPosition FlagOfParameter(int parameter) {
    CheckParameter(parameter);
    if (parameter <= kAnalogueParameters) throw std::out_of_range("parameter " + std::to_string(parameter) + " is no flag");
    return kFlags[static_cast<std::size_t>(parameter - kAnalogueParameters - 1)].flag;
}

std::string ParameterName(int parameter, const UnitSettings& units) {
    CheckParameter(parameter);
    switch (parameter) {
        case 1: return "1.А  Форсунки:";
        case 2: return "2.А  Зажигание:";
        case 3: return std::string("3.А  Клапан ХХ") + (Choice(units.KHH, 2) == 1 ? "(% от 255)" : "(шаг)") + ":";
        case 4: return "4.А  Частота вращения:";
        case 5: return std::string("5.А  ") + Intake(units).label;
        case 6: return std::string("6.А  Темпер. ОЖ") + (units.Temperature == 1 ? "(Прям.)" : "(Обр.)") + ":";
        case 7: return std::string("7.А  Дрос. засл.") + (Choice(units.DZ, 2) == 1 ? ",град:" : ",%:");
        case 8: return "8.А  Скорость:";
        case 9: return "9.А  Коррекция Л:";
        case 10: return "10.А  Коррекция Пр:";
        default: return kFlags[static_cast<std::size_t>(parameter - kAnalogueParameters - 1)].name;
    }
}

std::string ParameterValueText(int parameter, const FrameBytes& bytes, const UnitSettings& units,
                               const std::string& decimal_separator, double* last_coolant_temperature) {
    CheckParameter(parameter);
    if (parameter > kAnalogueParameters) {
        const FlagText& flag = kFlags[static_cast<std::size_t>(parameter - kAnalogueParameters - 1)];
        return FlagBit(bytes, flag.flag.byte, flag.flag.bit) ? flag.on : flag.off;
    }
    const AnalogueValue value = Analogue(parameter, bytes, units);
    if (parameter == 6 && last_coolant_temperature != nullptr)
        *last_coolant_temperature = RoundPD(value.value, value.precision, value.decimals);
    return FormatPD(value.value, value.precision, value.decimals, decimal_separator) + value.suffix;
}

double CoolantTemperature(std::uint8_t b6, const UnitSettings& units) {
    const int v = units.Temperature == 1 ? b6 : 255 - b6;
    if (v <= 14) return 2 * (v - 5) - 60;
    if (v <= 38) return (v - 15) * 0.83 - 40;
    if (v <= 81) return (v - 39) * 0.47 - 20;
    if (v <= 134) return (v - 82) * 0.38;
    if (v <= 179) return (v - 135) * 0.44 + 20;
    if (v <= 209) return (v - 180) * 0.67 + 40;
    if (v <= 227) return (v - 210) * 1.11 + 60;
    if (v <= 236) return (v - 228) * 2.11 + 80;
    if (v <= 242) return (v - 237) * 3.83 + 99;
    return (v - 243) * 9.8 + 122;
}

FuelEstimate EstimateFuel(const FrameBytes& bytes, const UnitSettings& units, const std::string& decimal_separator) {
    // 128-bit: hand-edited constants may be anything a 32-bit integer holds.
    __extension__ using Wide = __int128;
    const Wide n = Wide{bytes[0]} * bytes[3] * units.ChastFors * units.KolFors * units.PrFors;
    FuelEstimate estimate;
    // L = N x 6.25e-6 = N x 625 / 10^8, exact while N x 625 fits in a double's 53 bits.
    estimate.litres_per_hour = static_cast<double>(n * 625) / 1e8;
    const std::uint8_t speed = bytes[7];
    estimate.litres_per_100km = speed != 0 ? static_cast<double>(n * 625) / (1e6 * speed) : 999.0;
    estimate.per_hour_text = FormatPD(estimate.litres_per_hour, 4, 2, decimal_separator);
    estimate.per_100km_text = FormatPD(estimate.litres_per_100km, 3, 1, decimal_separator);
    return estimate;
}

std::string TrimMarkText(int parameter, const FrameBytes& bytes, const UnitSettings& units,
                         double last_coolant_temperature, const std::string& decimal_separator) {
    if (parameter != 9 && parameter != 10) throw std::out_of_range("parameter " + std::to_string(parameter) + " is no trim");
    const std::uint8_t x = bytes[static_cast<std::size_t>(parameter - 1)];
    if (VoltTrims(units)) {
        const double v = TrimVolts(x);
        const std::string text = FormatPD(v, 3, 2, decimal_separator);
        const bool plausible = (v >= 1.25 && v <= 3.75) || x == 0 ||
                               (parameter == 9 && text == FormatPD(0.51, 3, 2, decimal_separator));
        return text + (plausible ? "В" : "В - плохо");
    }
    const double p = TrimPercent(x);
    const std::string text = FormatPD(p, 3, 2, decimal_separator);
    const bool bad = std::fabs(p) > 10 && bytes[3] != 0 &&
                     FormatPD(std::fabs(p), 3, 2, decimal_separator) != FormatPD(15.9, 3, 2, decimal_separator) &&
                     last_coolant_temperature > 80;
    return text + (bad ? "% - плохо" : "%");
}

}  // namespace kestrovin
