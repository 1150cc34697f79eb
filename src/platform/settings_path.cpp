#include "platform/settings_path.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace kestrovin {

std::string SettingsPathFor(const std::string& program, bool program_folder_writable, const std::string& config_home) {
    const std::filesystem::path path(program);
    const std::string name = path.filename().string() + ".ini";
    if (program_folder_writable) return (path.parent_path() / name).string();
    return (std::filesystem::path(config_home) / "kestrovin" / name).string();
}

std::string DefaultSettingsPath() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) program = std::filesystem::current_path() / "kestrovin";
    const bool writable = access(program.parent_path().c_str(), W_OK) == 0;
    std::string config_home;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        config_home = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr) {
        config_home = std::string(home) + "/.config";
    } else {
        config_home = "/tmp";
    }
    const std::string path = SettingsPathFor(program.string(), writable, config_home);
    if (!writable) std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return path;
}

}  // namespace kestrovin
