#include "record/date_time.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace kestrovin {
namespace {

constexpr long long kMsPerDay = 86'400'000;

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const long long kEpochOffsetDays = DaysFromCivil(1899, 12, 30);

}  // namespace

DateTime ToDateTime(const CivilTime& t) {
    const long long days = DaysFromCivil(t.year, t.month, t.day) - kEpochOffsetDays;
    const long long ms = ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
    return static_cast<double>(days) + static_cast<double>(ms) / kMsPerDay;
}

CivilTime FromDateTime(DateTime value) {
    CivilTime t;
    if (!std::isfinite(value) || std::fabs(value) > 3e6) return t;  // far outside any calendar we show
    const long long total_ms = std::llround(value * kMsPerDay);
    long long days = total_ms / kMsPerDay;
    long long ms = total_ms % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --days;
    }
    CivilFromDays(days + kEpochOffsetDays, t.year, t.month, t.day);
    t.hour = static_cast<int>(ms / 3'600'000);
    t.minute = static_cast<int>(ms / 60'000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.millisecond = static_cast<int>(ms % 1000);
    return t;
}

DateTime LocalNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return ToDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                       local.tm_sec, static_cast<int>(ms)});
}

}  // namespace kestrovin
