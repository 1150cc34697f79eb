#include "capture/reading_control.h"

#include "platform/ini_file.h"

namespace kestrovin {

PortChoice PortFromSelector(const std::string& selector_text) {
    PortChoice choice;
    const std::size_t at = selector_text.find("COM");
    if (at != std::string::npos) choice.number_text = selector_text.substr(at + 3);
    // Integers as the settings file reads them (leading blanks, a sign, "$" or "0x"), but no trailing blank.
    const std::string& text = choice.number_text;
    const bool trailing_blank = !text.empty() && (text.back() == ' ' || text.back() == '\t');
    int number = 0;
    if (!trailing_blank && ParseIniInteger(text, number)) choice.number = number;
    return choice;
}

std::string NotAnIntegerMessage(const std::string& text) { return "'" + text + "' is not a valid integer value"; }

}  // namespace kestrovin
