#include "capture/reading_control.h"

#include "platform/ini_file.h"

namespace kestrovin {

PortChoice PortFromSelector(const std::string& selector_text) {
    PortChoice choice;
    const std::size_t at = selector_text.find("COM");
    if (at != std::string::npos) choice.number_text = selector_text.substr(at + 3);
    // Integers as the settings file writes them: leading blanks, a sign, "$" or "0x" for hexadecimal.
    std::string digits = choice.number_text;
    const bool trailing_blank = !digits.empty() && (digits.back() == ' ' || digits.back() == '\t');
    int number = 0;
    if (!trailing_blank && ParseIniInteger(digits, number)) choice.number = number;
    return choice;
}

std::string NotAnIntegerMessage(const std::string& text) { return "'" + text + "' is not a valid integer value"; }

}  // namespace kestrovin
