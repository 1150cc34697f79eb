#pragma once
// Where the settings file lives: the program's own name with ".ini", beside
// the program; where that folder is not writable (a system-wide install), in
// $XDG_CONFIG_HOME/kestrovin/ (by default ~/.config/kestrovin/).
#include <string>

namespace kestrovin {

// Pure rule: `program` is the program's full path.
std::string SettingsPathFor(const std::string& program, bool program_folder_writable, const std::string& config_home);

// For the running program; creates the configuration folder when it is used.
std::string DefaultSettingsPath();

}  // namespace kestrovin
