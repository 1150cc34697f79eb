#pragma once
// The port-number rule of the start button: the text after the first "COM"
// (case matters) in the port selector, as an integer.
#include <optional>
#include <string>

namespace kestrovin {

struct PortChoice {
    std::optional<int> number;  // empty: the text is no integer
    std::string number_text;    // what followed "COM", for the messages
};

PortChoice PortFromSelector(const std::string& selector_text);

// "'%s' is not a valid integer value" with the text in place of %s.
std::string NotAnIntegerMessage(const std::string& text);

}  // namespace kestrovin
