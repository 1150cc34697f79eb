#include "shell/program.h"

#include <cstdlib>
#include <iostream>

#include "capture/port_opener.h"
#include "checks/cable_check_window.h"
#include <QLabel>

#include "files/description_window.h"
#include "platform/ini_file.h"
#include "files/settings_dialog.h"
#include "graph/graph_window.h"
#include "platform/port_map.h"
#include "shell/about_window.h"
#include "shell/capture_events.h"
#include "shell/help_window.h"
#include "views/big_display.h"
#include "views/dashboard.h"
#include "views/main_window.h"

namespace kestrovin {

template <typename Window, typename... Args>
std::unique_ptr<Window> Program::Create(Args&&... args) {
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    windows_.push_back(window.get());
    return window;
}

Program::Program(Dialogs& dialogs, LocaleFormat locale, std::string settings_path)
    : dialogs_(dialogs), locale_(std::move(locale)), settings_path_(std::move(settings_path)) {
    main_window_ = Create<TForm1>(*this);
    recording_ = std::make_unique<Recording>(store, current_frame, *main_window_, dialogs_);
    graph_window_ = Create<TForm3>();
    help_window_ = Create<TForm4>();
    about_window_ = Create<TForm5>();
    description_window_ = Create<TForm6>();
    big_display_ = Create<TForm7>();
    cable_check_window_ = Create<TForm8>();
    dashboard_ = Create<TForm10>();
    settings_dialog_ = Create<TForm9>(settings, dialogs_);

    SimulatorOptions simulator;
    if (const char* options = std::getenv("KESTROVIN_SIMULATOR")) {
        try {
            simulator = ParseSimulatorOptions(options);
        } catch (const std::invalid_argument& error) {
            simulator_error_ = error.what();
            std::cerr << "kestrovin: KESTROVIN_SIMULATOR: " << simulator_error_ << '\n';
        }
    }
    settings_dialog_->on_show = [this] { LoadSettings(false); };
    settings_dialog_->on_changed = [this] { inverted_adapter = settings.Adapter; };
    settings_dialog_->on_applied = [this] {
        if (main_window_->isVisible()) main_window_->MemoDraw(store.current_frame());
    };
    settings_dialog_->on_closed = [this] {
        if (startup_complete) SaveSettings();
    };
    LoadSettings(true);
    settings_dialog_->ShowSettingsInDialog();
    // A change of the description counts as unsaved once the recording has a file.
    description_window_->on_changed = [this] {
        if (!main_window_->status_text()->text().isEmpty()) store.unsaved = true;
    };
    description_window_->on_closed = [this] {
        if (main_window_->isVisible()) main_window_->activateWindow();
    };

    capture_sink_ = std::make_unique<QtCaptureSink>(*main_window_);
    ReplacePortOpener(std::make_unique<PortOpener>(clock_, ReadPortOverrides(SettingsFile()), std::move(simulator)));
    main_window_->FillPortList();
}

void Program::ReplacePortOpener(std::unique_ptr<SerialPortOpener> opener) {
    if (capture_) capture_->CloseCapturePort();
    opener_ = std::move(opener);
    capture_ = std::make_unique<CapturePort>(*opener_, clock_, *capture_sink_, inverted_adapter, store.next_frame_number,
                                             store.unsaved);
}

Program::~Program() { capture_->CloseCapturePort(); }

IniFile& Program::SettingsFile() {
    // A file on disk is read afresh every time; settings in memory live for the whole run.
    if (!settings_file_ || !settings_path_.empty()) settings_file_ = OpenIniFile(settings_path_);
    return *settings_file_;
}

std::map<int, QWidget*> Program::PlacedWindows() const {
    return {{1, main_window_.get()},        {3, graph_window_.get()}, {4, help_window_.get()},
            {5, about_window_.get()},       {6, description_window_.get()}, {7, big_display_.get()},
            {8, cable_check_window_.get()}, {9, settings_dialog_.get()}};
}

void Program::LoadSettings(bool with_description) {
    IniFile& ini = SettingsFile();
    Description description = description_window_->Fields();
    WindowPositions positions;
    ReadSettings(ini, settings, with_description ? &description : nullptr, &positions);
    if (with_description) description_window_->SetFields(description);
    for (const auto& [number, window] : PlacedWindows()) window->move(positions[number].x, positions[number].y);
    dashboard_->move(big_display_->pos());
    inverted_adapter = settings.Adapter;
}

void Program::SaveSettings() {
    std::optional<OpenWindows> closing;
    if (!startup_complete) closing = OpenWindows{graph_window_->isVisible(), help_window_->isVisible()};
    WindowPositions positions;
    for (const auto& [number, window] : PlacedWindows()) positions[number] = {window->x(), window->y()};
    try {
        WriteSettings(SettingsFile(), settings, description_window_->Fields(), positions, closing);
    } catch (const std::exception& error) {
        dialogs_.Error(std::string("Настройки не записаны в ") + settings_path_ + ": " + error.what());
    }
}

void Program::Start() {
    main_window_->show();
    if (!simulator_error_.empty()) dialogs_.Error(simulator_error_);
    main_window_->StartInitialTimer();
}

void Program::ShowWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void Program::CloseSecondaryWindows() {
    for (QWidget* window : std::initializer_list<QWidget*>{graph_window_.get(), help_window_.get(), about_window_.get(),
                                                           description_window_.get(), big_display_.get(),
                                                           cable_check_window_.get(), settings_dialog_.get(),
                                                           dashboard_.get()})
        window->close();
}

}  // namespace kestrovin
