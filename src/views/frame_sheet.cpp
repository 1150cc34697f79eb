#include "views/frame_sheet.h"

#include "params/conversions.h"

namespace kestrovin {

std::string IdentifierText(const IdentifierBits& bits) {
    std::string text;
    for (std::uint8_t bit : bits) text += bit != 0 ? '1' : '0';
    return text;
}

int IdentifierNumber(const std::string& identifier_text) {
    int number = 0;
    for (std::size_t i = 0; i < identifier_text.size() && i < kIdentifierBits; ++i)
        if (identifier_text[i] == '1') number += 1 << (i + 1);
    return number;
}

FrameSheet BuildFrameSheet(const FrameStore& store, int k, const UnitSettings& units, const LocaleFormat& locale,
                           double& last_coolant_temperature) {
    const StoredFrame& frame = store.frame(k);
    const FrameBytes bytes = BytesOf(frame);
    const std::string& separator = locale.decimal_separator;
    FrameSheet sheet;
    sheet[0] = {"Идентификатор:", IdentifierText(frame.identifier_bits)};
    for (int p = 1; p <= kParameterCount; ++p)
        sheet[static_cast<std::size_t>(p)] = {ParameterName(p, units),
                                              ParameterValueText(p, bytes, units, separator, &last_coolant_temperature)};
    const FuelEstimate fuel = EstimateFuel(bytes, units, separator);
    sheet[23] = {"Прибл.расход л/час:", fuel.per_hour_text};
    sheet[24] = {"Прибл.расход л/100:", fuel.per_100km_text};
    sheet[25] = {"", ""};
    sheet[26] = {"Кадр/Всего:", std::to_string(k) + " / " + std::to_string(store.frame_count())};
    const CivilTime time = FromDateTime(frame.time_stamp);
    sheet[27] = {"Время:", FormatTimeOfDay(locale.long_time_pattern, time.hour, time.minute, time.second)};
    return sheet;
}

std::array<std::string, kProtocolRows> ProtocolRows(const FrameStore& store, int k) {
    const StoredFrame& frame = store.frame(k);
    const FrameBytes bytes = BytesOf(frame);
    std::array<std::string, kProtocolRows> rows;
    rows[0] = std::to_string(IdentifierNumber(IdentifierText(frame.identifier_bits)));
    for (int i = 1; i <= 10; ++i) rows[static_cast<std::size_t>(i)] = std::to_string(bytes[static_cast<std::size_t>(i - 1)]);
    for (int p = kAnalogueParameters + 1; p <= kParameterCount; ++p) {
        const FlagPosition flag = FlagOfParameter(p);
        rows[static_cast<std::size_t>(p)] = FlagBit(bytes, flag.byte, flag.bit) ? "1" : "0";
    }
    return rows;
}

}  // namespace kestrovin
