#pragma once
// The description of a recording: nine vehicle fields and two free texts.
// Every field is kept and compared as its text.
#include <string>
#include <vector>

namespace kestrovin {

struct Description {
    std::string car_model;
    std::string year;
    std::string mileage;
    std::string engine_model;
    std::string engine_type;
    std::string cylinders;
    std::string transmission_model;
    std::string gearbox;
    std::string drive;
    std::string additional;  // "Дополнительное описание:", lines separated by '\n'
    std::string reasons;     // "Причины проведения диагностики:"

    bool operator==(const Description&) const = default;
};

// The vehicle fields a fresh settings file starts with.
Description DefaultDescription();

// True when the text holds a Latin letter, a digit or a Cyrillic letter А..я
// (Ё and ё do not count).
bool HasLetterOrDigit(const std::string& text);
// Every field, in the documented order, has a letter or digit.
bool DescriptionComplete(const Description& description);

// The lines of a multi-line text; a final line break ends the last line, so
// "" has no lines and "a\n" one.
std::vector<std::string> TextLines(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);

// The characters after the last folder separator ("/" or "\"), or the whole path.
std::string ShortFileName(const std::string& path);
// Replaces the file name's extension (from its last dot on) or appends one.
std::string ReplaceExtension(const std::string& path, const std::string& extension);

}  // namespace kestrovin
