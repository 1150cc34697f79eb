#pragma once
// Windows-1251 at the file boundaries. Inside the program all text is UTF-8.
#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrovin {

class CodecError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// UTF-8 -> Windows-1251. Throws CodecError naming the first character that the
// code page cannot hold (or the position of invalid UTF-8).
std::string Utf8ToCp1251(std::string_view utf8);

// Windows-1251 -> UTF-8. Never fails: the one unassigned code (0x98) becomes
// U+FFFD so that a damaged file still shows everything else.
std::string Cp1251ToUtf8(std::string_view cp1251);

}  // namespace kestrovin
