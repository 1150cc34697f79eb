#pragma once
// The one number format of every value text, written P/D: the value rounded half
// away from zero to at most P significant digits and at most D decimals, in fixed
// notation with exactly D decimals, or in scientific notation ("1,23E3") when the
// integer part would need more than P digits.
//
// Values arrive as doubles and are first taken to 15 significant digits, so a
// result that is an exact decimal (255 x 0.47 - 30 = 89.85) is rounded as that
// decimal and not as the nearest binary number just below it.
#include <string>

namespace kestrovin {

std::string FormatPD(double value, int precision, int decimals, const std::string& decimal_separator);

// The number that FormatPD's text reads back as (239.6 at 3/1 reads back as 240).
double RoundPD(double value, int precision, int decimals);

}  // namespace kestrovin
