#pragma once
// Window tests start the program as a user does, with scripted dialogs.
#include <QTest>
#include <memory>
#include <string>

#include "shell/program.h"
#include "support/scripted_dialogs.h"
#include "views/main_window.h"

namespace kestrovin::testing {

// True once the main window is shown and frame 1 is stored (30 ms after start).
inline bool StartProgram(std::unique_ptr<Program>& program, ScriptedDialogs& dialogs, const std::string& settings_path = {}) {
    program = std::make_unique<Program>(dialogs, LocaleFormat{",", "H:mm:ss"}, settings_path);
    program->Start();
    if (!QTest::qWaitForWindowExposed(&program->main_window())) return false;
    return QTest::qWaitFor([&] { return program->store.next_frame_number.load() == 2; }, 5000);
}

// Ends the program without the question about unsaved data.
inline void EndProgram(std::unique_ptr<Program>& program) {
    program->store.unsaved = false;
    program.reset();
}

}  // namespace kestrovin::testing
