#pragma once
// Dialogs answered from a script; every call is recorded so a test can check
// what the user would have seen.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace kestrovin::testing {

class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        std::string kind;  // "message", "error", "open", "save", "colour"
        std::string caption;
        std::string text;
        DialogIcon icon = DialogIcon::None;
        DialogButtons buttons = DialogButtons::Ok;
    };

    std::deque<DialogResult> message_answers;
    std::deque<std::optional<FileChoice>> file_answers;
    std::deque<std::optional<WindowsColour>> colour_answers;
    std::vector<Shown> shown;

    DialogResult Message(const std::string& caption, const std::string& text, DialogIcon icon,
                         DialogButtons buttons) override {
        shown.push_back({"message", caption, text, icon, buttons});
        return Next(message_answers, "message box");
    }
    void Error(const std::string& text) override { shown.push_back({"error", "", text, DialogIcon::Error, DialogButtons::Ok}); }
    std::optional<FileChoice> OpenFile(const std::vector<FileFilter>&, int) override {
        shown.push_back({"open", "", "", DialogIcon::None, DialogButtons::Ok});
        return Next(file_answers, "open dialog");
    }
    std::optional<FileChoice> SaveFile(const std::vector<FileFilter>&, int, const std::string& suggested) override {
        shown.push_back({"save", "", suggested, DialogIcon::None, DialogButtons::Ok});
        return Next(file_answers, "save dialog");
    }
    std::optional<WindowsColour> ChooseColour(WindowsColour) override {
        shown.push_back({"colour", "", "", DialogIcon::None, DialogButtons::Ok});
        return Next(colour_answers, "colour dialog");
    }

private:
    template <typename T>
    static T Next(std::deque<T>& answers, const char* what) {
        if (answers.empty()) throw std::logic_error(std::string("unexpected ") + what);
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace kestrovin::testing
