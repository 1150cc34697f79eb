#include "files/table_export.h"

#include "platform/codec_1251.h"
#include "record/date_time.h"

namespace kestrovin {

std::string WriteTableExport(const FrameStore& store, const Samples& samples, const std::string& additional_description,
                             const LocaleFormat& locale) {
    const int count = store.frame_count();
    std::string out = "Запись с Kestrovin;;;;;;" + std::to_string(count) + " кадров\r\n";
    out += "Кадр;1:A;2:A;3:A;4:A;5:A;6:A;7:A;8:A;9:A;10:A;Идентификатор;11:0;11:1;11:2;11:3;11:4;11:5;11:6;11:7;"
           "12:0;12:1;12:2;12:3;12:4;12:5;12:6;12:7;Нечто;Время\r\n";
    auto digit = [](std::uint8_t bit) { return bit != 0 ? '1' : '0'; };
    for (int k = 1; k <= count; ++k) {
        const StoredFrame& frame = store.frame(k);
        std::string row = std::to_string(k) + ';';
        for (std::uint8_t byte : frame.analogue) row += std::to_string(byte) + ';';
        row += k > 1 ? digit(store.frame(k - 1).identifier_bits[11]) : '0';
        for (std::uint8_t bit : frame.identifier_bits) row += digit(bit);
        row += ';';
        for (std::uint8_t bit : frame.flags11) row += {digit(bit), ';'};
        for (std::uint8_t bit : frame.flags12) row += {digit(bit), ';'};
        row += {digit(frame.spare), ';'};
        const CivilTime time = FromDateTime(frame.time_stamp);
        row += FormatTimeOfDay(locale.long_time_pattern, time.hour, time.minute, time.second);
        out += row + "\r\n";
    }
    out += "\r\n";
    for (std::size_t n = 0; n < samples.size(); ++n) {
        out += "Отсчёт№" + std::to_string(n + 1) + "\r\n";
        for (int row = 0; row < kExportSampleRows; ++row)
            out += (row < static_cast<int>(samples[n].size()) ? samples[n][static_cast<std::size_t>(row)] : "") + "\r\n";
        out += "\r\n";
    }
    for (const std::string& line : TextLines(additional_description)) out += line + "\r\n";
    return Utf8ToCp1251(out);
}

}  // namespace kestrovin
