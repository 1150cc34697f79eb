#include "params/conversions.h"

#include <gtest/gtest.h>

#include <climits>

namespace kestrovin {
namespace {

FrameBytes WithByte(int parameter, int value) {
    FrameBytes bytes{};
    bytes[static_cast<std::size_t>(parameter - 1)] = static_cast<std::uint8_t>(value);
    return bytes;
}

std::string Value(int parameter, int byte, const UnitSettings& units = {}) {
    return ParameterValueText(parameter, WithByte(parameter, byte), units, ",");
}

UnitSettings With(int UnitSettings::*field, int value) {
    UnitSettings units;
    units.*field = value;
    return units;
}

TEST(Conversions, AnalogueValueTexts) {
    struct Case {
        int parameter, byte;
        UnitSettings units;
        const char* text;
    };
    for (const Case& c : {
             Case{1, 255, {}, "31,880 мс."},
             Case{1, 100, {}, "12,500 мс."},
             Case{2, 255, {}, "89,9 град."},
             Case{2, 44, {}, "-9,3 град."},
             Case{3, 255, {}, "100,0 %"},
             Case{3, 200, With(&UnitSettings::KHH, 2), "200 шаг"},
             Case{4, 255, {}, "6375 об/м"},
             Case{5, 255, With(&UnitSettings::Vozduh, 1), "166,0 кПа"},
             Case{5, 255, With(&UnitSettings::Vozduh, 2), "1246 мм.рт.ст."},
             Case{5, 255, With(&UnitSettings::Vozduh, 3), "247,0 кПа"},
             Case{5, 255, With(&UnitSettings::Vozduh, 4), "1972 мм.рт.ст."},
             Case{5, 255, With(&UnitSettings::Vozduh, 5), "510,0 г/cек"},
             Case{5, 255, With(&UnitSettings::Vozduh, 6), "5,00 В"},
             Case{7, 255, With(&UnitSettings::DZ, 1), "128,0 град."},
             Case{7, 180, With(&UnitSettings::DZ, 2), "100,0 %."},
             Case{8, 0, {}, "0 км/ч"},
             Case{9, 128, With(&UnitSettings::Korr, 1), "2,50В"},
             Case{9, 128, With(&UnitSettings::Korr, 2), "0,00%"},
             Case{10, 0, With(&UnitSettings::Korr, 2), "-20,00%"},
         })
        EXPECT_EQ(Value(c.parameter, c.byte, c.units), c.text) << "parameter " << c.parameter << " byte " << c.byte;
}

TEST(Conversions, CoolantCharacteristicAndReadBack) {
    struct Case {
        int byte;
        int characteristic;
        const char* text;
        double read_back;
    };
    for (const Case& c : {Case{0, 1, "-70,0 град.С", -70}, Case{14, 1, "-42,0 град.С", -42},
                          Case{15, 1, "-40,0 град.С", -40}, Case{82, 1, "0,0 град.С", 0},
                          Case{228, 1, "80,0 град.С", 80}, Case{243, 1, "122,0 град.С", 122},
                          Case{255, 1, "240,0 град.С", 240}, Case{0, 2, "240,0 град.С", 240},
                          Case{255, 2, "-70,0 град.С", -70}, Case{40, 1, "-19,5 град.С", -19.5}}) {
        double last = -1000;
        EXPECT_EQ(ParameterValueText(6, WithByte(6, c.byte), With(&UnitSettings::Temperature, c.characteristic), ",", &last),
                  c.text)
            << c.byte;
        EXPECT_DOUBLE_EQ(last, c.read_back) << c.byte;
    }
}

TEST(Conversions, NamesFollowTheUnits) {
    UnitSettings units;
    EXPECT_EQ(ParameterName(3, units), "3.А  Клапан ХХ(% от 255):");
    EXPECT_EQ(ParameterName(5, units), "5.А  MAP в кПа:");
    EXPECT_EQ(ParameterName(6, units), "6.А  Темпер. ОЖ(Прям.):");
    EXPECT_EQ(ParameterName(7, units), "7.А  Дрос. засл.,град:");
    units = {2, 2, 2, 2, 2};
    EXPECT_EQ(ParameterName(3, units), "3.А  Клапан ХХ(шаг):");
    EXPECT_EQ(ParameterName(5, units), "5.А  MAP в мм.рт.ст.:");
    EXPECT_EQ(ParameterName(6, units), "6.А  Темпер. ОЖ(Обр.):");
    EXPECT_EQ(ParameterName(7, units), "7.А  Дрос. засл.,%:");
    EXPECT_EQ(ParameterName(10, units), "10.А  Коррекция Пр:");
    EXPECT_EQ(ParameterName(22, units), "12.7  Диагностика?:");
}

TEST(Conversions, FlagTexts) {
    FrameBytes bytes{};
    bytes[10] = 0b0001'0000;  // 11.4 knock
    bytes[11] = 0b1000'0010;  // 12.1 throttle closed, 12.7 diagnosis good
    EXPECT_EQ(ParameterValueText(13, bytes, {}, ","), "Да");
    EXPECT_EQ(ParameterValueText(12, bytes, {}, ","), "Нет");
    EXPECT_EQ(ParameterValueText(17, bytes, {}, ","), "Закр");
    EXPECT_EQ(ParameterValueText(22, bytes, {}, ","), "Хорошо");
    EXPECT_EQ(ParameterValueText(20, bytes, {}, ","), "Бедная");
    bytes[11] = 0;
    EXPECT_EQ(ParameterValueText(17, bytes, {}, ","), "Откр");
    EXPECT_EQ(ParameterValueText(22, bytes, {}, ","), "Плохо");
}

TEST(Conversions, EveryByteUnderEveryUnitHasAText) {
    for (int vozduh = 0; vozduh <= 7; ++vozduh)
        for (int other = 0; other <= 3; ++other) {
            const UnitSettings units{vozduh, other, other, other, other};
            for (int p = 1; p <= kParameterCount; ++p) {
                ASSERT_FALSE(ParameterName(p, units).empty());
                for (int b = 0; b <= 255; ++b)
                    ASSERT_FALSE(ParameterValueText(p, WithByte(p <= 10 ? p : 11, b), units, ",").empty())
                        << "parameter " << p << " byte " << b;
            }
        }
}

TEST(Conversions, FuelEstimate) {
    struct Case {
        int injection, rpm, speed, flow, injectors, per_two_turns;
        const char* per_hour;
        const char* per_100km;
    };
    for (const Case& c : {
             Case{80, 120, 60, 55, 4, 2, "26,40", "44,0"},
             Case{80, 120, 0, 55, 4, 2, "26,40", "999,0"},   // standing: exactly 999.0
             Case{0, 0, 0, 55, 4, 1, "0,00", "999,0"},
             Case{100, 120, 1, 65, 2, 1, "9,75", "975,0"},
             Case{200, 200, 1, 50, 4, 1, "50,00", "5E3"},   // three digits only: scientific
         }) {
        FrameBytes bytes{};
        bytes[0] = static_cast<std::uint8_t>(c.injection);
        bytes[3] = static_cast<std::uint8_t>(c.rpm);
        bytes[7] = static_cast<std::uint8_t>(c.speed);
        UnitSettings units;
        units.PrFors = c.flow;
        units.KolFors = c.injectors;
        units.ChastFors = c.per_two_turns;
        const FuelEstimate fuel = EstimateFuel(bytes, units, ",");
        EXPECT_EQ(fuel.per_hour_text, c.per_hour);
        EXPECT_EQ(fuel.per_100km_text, c.per_100km);
    }
}

TEST(Conversions, HandEditedFuelConstantsDoNotOverflow) {
    FrameBytes bytes{};
    bytes[0] = bytes[3] = bytes[7] = 255;
    UnitSettings units;
    units.PrFors = units.KolFors = units.ChastFors = INT_MAX;
    const FuelEstimate fuel = EstimateFuel(bytes, units, ",");
    EXPECT_GT(fuel.litres_per_hour, 4e27);  // 255 x 255 x (2^31 - 1)^3 x 6.25e-6
    EXPECT_EQ(fuel.per_hour_text.find('-'), std::string::npos);
    EXPECT_NE(fuel.per_hour_text.find('E'), std::string::npos);
}

TEST(Conversions, TrimMarks) {
    struct Case {
        int parameter, trim, rpm;
        int korr;
        double coolant;
        const char* text;
    };
    for (const Case& c : {
             Case{9, 63, 0, 1, 0, "1,23В - плохо"},
             Case{9, 64, 0, 1, 0, "1,25В"},
             Case{9, 192, 0, 1, 0, "3,75В"},
             Case{9, 193, 0, 1, 0, "3,77В - плохо"},
             Case{9, 0, 0, 1, 0, "0,00В"},
             Case{9, 26, 0, 1, 0, "0,51В"},
             Case{10, 26, 0, 1, 0, "0,51В - плохо"},
             Case{10, 0, 0, 1, 0, "0,00В"},
             Case{9, 63, 40, 2, 85, "-10,20% - плохо"},
             Case{9, 63, 0, 2, 85, "-10,20%"},     // engine stopped
             Case{9, 63, 40, 2, 80, "-10,20%"},    // not warm enough
             Case{9, 26, 40, 2, 85, "-15,90%"},    // the «15,90» reading is never marked
             Case{10, 230, 40, 2, 85, "15,90%"},
             Case{10, 240, 40, 2, 85, "17,50% - плохо"},
         }) {
        FrameBytes bytes{};
        bytes[static_cast<std::size_t>(c.parameter - 1)] = static_cast<std::uint8_t>(c.trim);
        bytes[3] = static_cast<std::uint8_t>(c.rpm);
        EXPECT_EQ(TrimMarkText(c.parameter, bytes, With(&UnitSettings::Korr, c.korr), c.coolant, ","), c.text)
            << "parameter " << c.parameter << " byte " << c.trim;
    }
}

TEST(UnitGroup, PresetsSwitchUnitsAndGreyTheBoxes) {
    UnitSettings units;
    ChooseUnitBox(units, UnitPanel::Preset, 0);
    ChooseUnitBox(units, UnitPanel::Intake, 1);
    ChooseUnitBox(units, UnitPanel::Throttle, 2);
    EXPECT_TRUE(UnitBoxesEnabled(units));

    ChooseUnitBox(units, UnitPanel::Preset, 2);  // 1G-GTE
    EXPECT_EQ(units.Vozduh, 6);
    EXPECT_EQ(units.DZ, 1);
    EXPECT_EQ(units.Standart, 2);
    EXPECT_FALSE(UnitBoxesEnabled(units));

    ChooseUnitBox(units, UnitPanel::Preset, 0);  // own settings keep VAF
    EXPECT_EQ(units.Vozduh, 6);
    EXPECT_TRUE(UnitBoxesEnabled(units));
    EXPECT_EQ(CheckedUnitBox(units, UnitPanel::Intake), 6);

    ChooseUnitBox(units, UnitPanel::Preset, 1);
    EXPECT_EQ(units, UnitSettings{});
}

}  // namespace
}  // namespace kestrovin
