#pragma once
// Initialisation-file operations used by the settings: read with a default,
// write, erase a section, flush to disk. Keys and sections are case-insensitive;
// the file holds Windows-1251 bytes, the interface speaks UTF-8.
#include <memory>
#include <string>

namespace kestrovin {

class IniFile {
public:
    virtual ~IniFile() = default;
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& fallback) const = 0;
    virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual void EraseSection(const std::string& section) = 0;
    // Writes the file atomically; throws FileWriteError or CodecError.
    virtual void Flush() = 0;
};

// Integers accept decimal, "0x..." and "$..." hexadecimal; anything else gives the fallback.
int ReadInteger(const IniFile& ini, const std::string& section, const std::string& key, int fallback);
// A boolean is an integer: 0 is false, any other number true.
bool ReadBool(const IniFile& ini, const std::string& section, const std::string& key, bool fallback);
void WriteInteger(IniFile& ini, const std::string& section, const std::string& key, int value);
void WriteBool(IniFile& ini, const std::string& section, const std::string& key, bool value);

// Parses an integer the way the settings file writes them; false when it is no integer.
bool ParseIniInteger(const std::string& text, int& value);

// A settings file on disk. A missing or unreadable file reads as empty; an
// empty path gives a store in memory that is never written.
std::unique_ptr<IniFile> OpenIniFile(const std::string& path);

}  // namespace kestrovin
