#include "platform/locale_format.h"

#include <langinfo.h>

namespace kestrovin {
namespace {

std::string TwoDigits(int value) {
    std::string text(2, '0');
    text[0] = static_cast<char>('0' + value / 10 % 10);
    text[1] = static_cast<char>('0' + value % 10);
    return text;
}

std::string Digits(int value, bool pad) { return pad || value >= 10 ? TwoDigits(value) : std::string(1, static_cast<char>('0' + value)); }

}  // namespace

LocaleFormat SystemLocaleFormat() {
    LocaleFormat format;
    const char* radix = nl_langinfo(RADIXCHAR);
    format.decimal_separator = (radix != nullptr && *radix != '\0') ? radix : ".";
    const char* time_format = nl_langinfo(T_FMT);
    format.long_time_pattern = TimePatternFromStrftime(time_format != nullptr ? time_format : "%H:%M:%S");
    return format;
}

std::string TimePatternFromStrftime(const std::string& format) {
    std::string pattern;
    std::string literal;
    auto flush_literal = [&] {
        if (literal.empty()) return;
        // Quote only text that holds pattern letters; separators stay as they are.
        const bool needs_quotes = literal.find_first_of("Hhmst'") != std::string::npos;
        pattern += needs_quotes ? '\'' + literal + '\'' : literal;
        literal.clear();
    };
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            literal += format[i];
            continue;
        }
        char conversion = format[++i];
        bool unpadded = false;
        if ((conversion == '-' || conversion == '_') && i + 1 < format.size()) {
            unpadded = true;
            conversion = format[++i];
        }
        std::string piece;
        switch (conversion) {
            case 'H': piece = unpadded ? "H" : "HH"; break;
            case 'k': piece = "H"; break;
            case 'I': piece = unpadded ? "h" : "hh"; break;
            case 'l': piece = "h"; break;
            case 'M': piece = "mm"; break;
            case 'S': piece = "ss"; break;
            case 'p': case 'P': piece = "tt"; break;
            case 'T': piece = "HH:mm:ss"; break;
            case 'R': piece = "HH:mm"; break;
            case 'r': piece = "hh:mm:ss tt"; break;
            case '%': literal += '%'; continue;
            default: continue;  // date parts and unknown conversions have no place in a time of day
        }
        flush_literal();
        pattern += piece;
    }
    flush_literal();
    return pattern.empty() ? "HH:mm:ss" : pattern;
}

std::string FormatTimeOfDay(const std::string& pattern, int hour, int minute, int second) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        const bool pad = run >= 2;
        switch (c) {
            case 'H': out += Digits(hour, pad); break;
            case 'h': out += Digits(hour % 12 == 0 ? 12 : hour % 12, pad); break;
            case 'm': out += Digits(minute, pad); break;
            case 's': out += Digits(second, pad); break;
            case 't': out += hour < 12 ? "AM" : "PM"; break;
            case '\'': {
                const std::size_t end = pattern.find('\'', i + 1);
                const std::size_t stop = end == std::string::npos ? pattern.size() : end;
                out.append(pattern, i + 1, stop - i - 1);
                i = stop == pattern.size() ? stop : stop + 1;
                continue;
            }
            default: out.append(run, c); break;
        }
        i += run;
    }
    return out;
}

std::optional<int> ParseTimeOfDay(const std::string& text) {
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    while (count < 3 && at < text.size() && text[at] >= '0' && text[at] <= '9') {
        int value = 0;
        std::size_t digits = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 3) {
            value = value * 10 + (text[at++] - '0');
            ++digits;
        }
        parts[count++] = value;
        if (at < text.size() && (text[at] == ':' || text[at] == '.')) ++at;
        else break;
    }
    if (count < 2) return std::nullopt;
    std::string rest = text.substr(at);
    while (!rest.empty() && rest.front() == ' ') rest.erase(rest.begin());
    while (!rest.empty() && rest.back() == ' ') rest.pop_back();
    int hour = parts[0];
    if (rest == "PM" || rest == "pm") {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + 12;
    } else if (rest == "AM" || rest == "am") {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour %= 12;
    } else if (!rest.empty()) {
        return std::nullopt;
    }
    if (hour > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
    return hour * 3600 + parts[1] * 60 + parts[2];
}

}  // namespace kestrovin
