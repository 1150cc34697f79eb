#include "platform/locale_format.h"

#include <gtest/gtest.h>

#include <clocale>

#include "params/number_format.h"

namespace kestrovin {
namespace {

TEST(LocaleFormat, StrftimeFormatsBecomeTimePatterns) {
    struct Case {
        const char* strftime;
        const char* pattern;
    };
    for (const Case& c : {Case{"%H:%M:%S", "HH:mm:ss"}, Case{"%T", "HH:mm:ss"}, Case{"%k:%M:%S", "H:mm:ss"},
                          Case{"%-H:%M:%S", "H:mm:ss"}, Case{"%I:%M:%S %p", "hh:mm:ss tt"},
                          Case{"%r", "hh:mm:ss tt"}, Case{"%Hh%M", "HH'h'mm"}, Case{"%H.%M.%S Uhr", "HH.mm.ss' Uhr'"}, Case{"", "HH:mm:ss"}})
        EXPECT_EQ(TimePatternFromStrftime(c.strftime), c.pattern) << c.strftime;
}

TEST(LocaleFormat, TimesFollowThePattern) {
    struct Case {
        const char* pattern;
        int h, m, s;
        const char* text;
    };
    for (const Case& c : {Case{"H:mm:ss", 7, 5, 9, "7:05:09"}, Case{"HH:mm:ss", 7, 5, 9, "07:05:09"},
                          Case{"H:mm:ss", 23, 59, 59, "23:59:59"}, Case{"hh:mm:ss tt", 0, 1, 2, "12:01:02 AM"},
                          Case{"h:mm tt", 13, 30, 0, "1:30 PM"}, Case{"HH'h'mm", 9, 41, 0, "09h41"}})
        EXPECT_EQ(FormatTimeOfDay(c.pattern, c.h, c.m, c.s), c.text) << c.pattern;
}

TEST(LocaleFormat, CLocaleReadsPointAndTwentyFourHours) {
    std::setlocale(LC_ALL, "C");
    const LocaleFormat format = SystemLocaleFormat();
    EXPECT_EQ(format.decimal_separator, ".");
    EXPECT_EQ(format.long_time_pattern, "HH:mm:ss");
}

TEST(LocaleFormat, InjectedSeparatorReachesTheTexts) {
    const LocaleFormat russian;  // the pinned double: "," and H:mm:ss
    EXPECT_EQ(FormatPD(12.5, 4, 3, russian.decimal_separator), "12,500");
    const LocaleFormat english{".", "h:mm:ss tt"};
    EXPECT_EQ(FormatPD(12.5, 4, 3, english.decimal_separator), "12.500");
    EXPECT_EQ(FormatTimeOfDay(english.long_time_pattern, 14, 0, 5), "2:00:05 PM");
}

}  // namespace
}  // namespace kestrovin
