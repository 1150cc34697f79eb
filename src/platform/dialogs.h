#pragma once
// Message boxes and the open, save and colour dialogs. The program shows Qt
// dialogs; tests answer from a script. Texts are UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrovin {

enum class DialogIcon { None, Information, Warning, Error, Question };
enum class DialogButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class DialogResult { Ok, Cancel, Yes, No };

struct FileFilter {
    std::string title;    // "Файлы диагностики (*.kvr)"
    std::string pattern;  // "*.kvr"
};

struct FileChoice {
    std::string path;
    int filter_index = 0;  // 0-based index of the filter the user had chosen
};

// A colour as red + 256 x green + 65536 x blue.
using WindowsColour = std::uint32_t;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Closing the box without a button counts as Cancel (or No for YesNo, Ok for Ok).
    virtual DialogResult Message(const std::string& caption, const std::string& text, DialogIcon icon,
                                 DialogButtons buttons) = 0;
    // The standard error box of the toolkit.
    virtual void Error(const std::string& text) = 0;
    virtual std::optional<FileChoice> OpenFile(const std::vector<FileFilter>& filters, int filter_index) = 0;
    virtual std::optional<FileChoice> SaveFile(const std::vector<FileFilter>& filters, int filter_index,
                                               const std::string& suggested_path) = 0;
    virtual std::optional<WindowsColour> ChooseColour(WindowsColour initial) = 0;
};

// Answers without asking anybody: Cancel, no file, no colour. For programs
// without windows (the command line, benchmarks, screenshots).
class SilentDialogs final : public Dialogs {
public:
    DialogResult Message(const std::string&, const std::string&, DialogIcon, DialogButtons) override {
        return DialogResult::Cancel;
    }
    void Error(const std::string&) override {}
    std::optional<FileChoice> OpenFile(const std::vector<FileFilter>&, int) override { return std::nullopt; }
    std::optional<FileChoice> SaveFile(const std::vector<FileFilter>&, int, const std::string&) override {
        return std::nullopt;
    }
    std::optional<WindowsColour> ChooseColour(WindowsColour) override { return std::nullopt; }
};

}  // namespace kestrovin
