#include "files/description.h"

namespace kestrovin {

Description DefaultDescription() {
    Description d;
    d.car_model = "Моя машина";
    d.year = "1997";
    d.mileage = "117500";
    d.engine_model = "5S-FE";
    d.engine_type = "Рядный";
    d.cylinders = "4";
    d.transmission_model = "A140E-02A";
    d.gearbox = "АКПП";
    d.drive = "Передний";
    return d;
}

bool HasLetterOrDigit(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
        // А..я are U+0410..U+044F: D0 90..D0 BF and D1 80..D1 8F in UTF-8.
        if (i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if ((c == 0xD0 && next >= 0x90 && next <= 0xBF) || (c == 0xD1 && next >= 0x80 && next <= 0x8F)) return true;
        }
    }
    return false;
}

bool DescriptionComplete(const Description& d) {
    for (const std::string* field : {&d.additional, &d.reasons, &d.car_model, &d.engine_model, &d.transmission_model,
                                     &d.mileage, &d.year, &d.engine_type, &d.cylinders, &d.gearbox, &d.drive})
        if (!HasLetterOrDigit(*field)) return false;
    return true;
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        at = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\n" : "") + lines[i];
    return text;
}

std::string ShortFileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
    const std::size_t name = path.find_last_of("/\\");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (name != std::string::npos && dot < name)) return path + extension;
    return path.substr(0, dot) + extension;
}

}  // namespace kestrovin
