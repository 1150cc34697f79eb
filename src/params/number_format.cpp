#include "params/number_format.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace kestrovin {
namespace {

// A decimal number: digits d0 d1 ... with the weight of d0 being 10^leading.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; empty for zero
    int leading = 0;     // exponent of the first digit
};

Decimal ToDecimal15(double value) {
    Decimal d;
    if (value == 0.0 || !std::isfinite(value)) return d;
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') d.digits += c;
    int exponent = 0;
    std::string_view exponent_text = text.substr(e + 1);
    if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
    std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
    d.leading = exponent;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Rounds half away from zero, keeping no digit below 10^lowest.
void RoundAt(Decimal& d, int lowest) {
    if (d.digits.empty()) return;
    const int keep = d.leading - lowest + 1;  // digits that stay
    if (keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') d.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.leading;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

Decimal Rounded(double value, int precision, int decimals) {
    Decimal d = ToDecimal15(value);
    if (d.digits.empty()) return d;
    RoundAt(d, std::max(-decimals, d.leading - precision + 1));
    if (d.digits.empty()) d.negative = false;
    return d;
}

char DigitAt(const Decimal& d, int power) {
    const int index = d.leading - power;
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)] : '0';
}

}  // namespace

std::string FormatPD(double value, int precision, int decimals, const std::string& decimal_separator) {
    const Decimal d = Rounded(value, precision, decimals);
    std::string text = d.negative ? "-" : "";
    if (!d.digits.empty() && d.leading + 1 > precision) {
        text += d.digits.front();
        if (d.digits.size() > 1) text += decimal_separator + d.digits.substr(1);
        char buffer[8];
        text += 'E';
        text.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, d.leading).ptr);
        return text;
    }
    const int top = d.digits.empty() ? 0 : std::max(d.leading, 0);
    for (int power = top; power >= 0; --power) text += DigitAt(d, power);
    if (decimals > 0) {
        text += decimal_separator;
        for (int power = -1; power >= -decimals; --power) text += DigitAt(d, power);
    }
    return text;
}

double RoundPD(double value, int precision, int decimals) {
    const Decimal d = Rounded(value, precision, decimals);
    if (d.digits.empty()) return 0.0;
    std::string text = d.negative ? "-" : "";
    text += d.digits + "e" + std::to_string(d.leading - static_cast<int>(d.digits.size()) + 1);
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

}  // namespace kestrovin
