#pragma once
// The two pieces of the user's locale that the program's texts depend on: the
// decimal separator and the long time format. Everything that writes numbers or
// times takes a LocaleFormat, so tests pin "," and "H:mm:ss".
#include <optional>
#include <string>

namespace kestrovin {

struct LocaleFormat {
    std::string decimal_separator = ",";
    // Pattern letters: H / HH hours 0-23, h / hh hours 1-12, m / mm minutes,
    // s / ss seconds, tt AM/PM marker; anything else, or text in '...', is literal.
    std::string long_time_pattern = "H:mm:ss";
};

// Reads the process locale (call setlocale(LC_ALL, "") first).
LocaleFormat SystemLocaleFormat();

// Translates a strftime time format (nl_langinfo(T_FMT)) to a pattern above.
std::string TimePatternFromStrftime(const std::string& format);

// Writes a time of day with the pattern.
std::string FormatTimeOfDay(const std::string& pattern, int hour, int minute, int second);

// Reads a time of day written in a long time format ("7:05:09", "07:05",
// "2:00:05 PM") as seconds since midnight; empty when it is no time.
std::optional<int> ParseTimeOfDay(const std::string& text);

}  // namespace kestrovin
