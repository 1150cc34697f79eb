#include "platform/ini_file.h"

#define SI_NO_CONVERSION  // the file keeps Windows-1251 bytes; conversion happens here
#define SI_IMPLEMENTATION  // the template bodies, instantiated in this file only
#include <SimpleIni.h>

#include <charconv>
#include <climits>

#include "platform/atomic_file.h"
#include "platform/codec_1251.h"

namespace kestrovin {
namespace {

class SimpleIniFile final : public IniFile {
public:
    explicit SimpleIniFile(std::string path) : path_(std::move(path)) {
        ini_.SetUnicode(false);
        ini_.SetSpaces(false);  // "key=value", as the file has always been written
        std::string bytes;
        if (ReadWholeFile(path_, bytes)) ini_.LoadData(bytes.data(), bytes.size());
    }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const override {
        const char* value = ini_.GetValue(Encode(section).c_str(), Encode(key).c_str(), nullptr);
        return value == nullptr ? fallback : Cp1251ToUtf8(value);
    }

    void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
        ini_.SetValue(Encode(section).c_str(), Encode(key).c_str(), Utf8ToCp1251(value).c_str());
    }

    void EraseSection(const std::string& section) override { ini_.Delete(Encode(section).c_str(), nullptr); }

    void Flush() override {
        if (path_.empty()) return;  // a settings store that lives in memory only
        std::string bytes;
        if (ini_.Save(bytes) < 0) throw FileWriteError(FileWriteError::Stage::Write, "Не удалось подготовить файл " + path_);
        WriteFileAtomically(path_, bytes);
    }

private:
    static std::string Encode(const std::string& text) { return Utf8ToCp1251(text); }

    std::string path_;
    CSimpleIniA ini_;
};

}  // namespace

bool ParseIniInteger(const std::string& text, int& value) {
    std::string_view digits = text;
    while (!digits.empty() && (digits.front() == ' ' || digits.front() == '\t')) digits.remove_prefix(1);
    while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t' || digits.back() == '\r')) digits.remove_suffix(1);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    } else if (digits.size() > 1 && digits[0] == '$') {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty()) return false;
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (error != std::errc() || end != digits.data() + digits.size()) return false;
    const long long signed_value = negative ? -magnitude : magnitude;
    // Hexadecimal integers are 32-bit patterns: $FFFFFFFF is -1.
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL) {
        value = static_cast<int>(static_cast<std::uint32_t>(magnitude));
        return true;
    }
    if (signed_value < INT_MIN || signed_value > INT_MAX) return false;
    value = static_cast<int>(signed_value);
    return true;
}

int ReadInteger(const IniFile& ini, const std::string& section, const std::string& key, int fallback) {
    int value = 0;
    return ParseIniInteger(ini.ReadString(section, key, ""), value) ? value : fallback;
}

bool ReadBool(const IniFile& ini, const std::string& section, const std::string& key, bool fallback) {
    return ReadInteger(ini, section, key, fallback ? 1 : 0) != 0;
}

void WriteInteger(IniFile& ini, const std::string& section, const std::string& key, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    ini.WriteString(section, key, std::string(buffer, result.ptr));
}

void WriteBool(IniFile& ini, const std::string& section, const std::string& key, bool value) {
    ini.WriteString(section, key, value ? "1" : "0");
}

std::unique_ptr<IniFile> OpenIniFile(const std::string& path) { return std::make_unique<SimpleIniFile>(path); }

}  // namespace kestrovin
