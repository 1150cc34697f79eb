#include "platform/codec_1251.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace kestrovin {
namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle OpenConverter(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw CodecError(std::string("Преобразование текста ") + from + " -> " + to +
                         " недоступно в этой системе");
    }
    return IconvHandle(cd);
}

// Names the character at `pos` for the error text.
std::string DescribeCharacter(std::string_view utf8, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || pos + length > utf8.size())
        return "недопустимая последовательность UTF-8 в позиции " + std::to_string(pos);
    std::uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(utf8[pos + k]) & 0x3Fu);
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
    return "символ «" + std::string(utf8.substr(pos, length)) + "» (" + hex + ") в позиции " + std::to_string(pos);
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
    IconvHandle cd = OpenConverter("CP1251", "UTF-8");
    std::string out(utf8.size(), '\0');  // never longer than the UTF-8 input
    char* in_ptr = const_cast<char*>(utf8.data());
    std::size_t in_left = utf8.size();
    char* out_ptr = out.data();
    std::size_t out_left = out.size();
    if (iconv(static_cast<iconv_t>(cd.get()), &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
        const std::size_t pos = utf8.size() - in_left;
        throw CodecError("Текст нельзя записать в кодировке Windows-1251: " + DescribeCharacter(utf8, pos));
    }
    out.resize(out.size() - out_left);
    return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    IconvHandle cd = OpenConverter("UTF-8", "CP1251");
    std::string out;
    out.reserve(cp1251.size() * 2);
    char* in_ptr = const_cast<char*>(cp1251.data());
    std::size_t in_left = cp1251.size();
    char buffer[256];
    while (in_left > 0) {
        char* out_ptr = buffer;
        std::size_t out_left = sizeof buffer;
        const std::size_t rc = iconv(static_cast<iconv_t>(cd.get()), &in_ptr, &in_left, &out_ptr, &out_left);
        out.append(buffer, sizeof buffer - out_left);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += "\xEF\xBF\xBD";  // U+FFFD for the unassigned byte
            ++in_ptr;
            --in_left;
        }
    }
    return out;
}

}  // namespace kestrovin
