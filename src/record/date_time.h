#pragma once
// Time stamps as date-time doubles: days since 30 December 1899, the fraction
// being the time of day (the form the record file keeps).
#include <string>

namespace kestrovin {

using DateTime = double;

struct CivilTime {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0, millisecond = 0;
    bool operator==(const CivilTime&) const = default;
};

DateTime ToDateTime(const CivilTime& time);
CivilTime FromDateTime(DateTime value);
// The local date and time now.
DateTime LocalNow();

}  // namespace kestrovin
