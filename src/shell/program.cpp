#include "shell/program.h"

#include <cstdlib>
#include <iostream>

#include "capture/port_opener.h"
#include "checks/cable_check_window.h"
#include <QLabel>

#include "files/description_window.h"
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

Program::Program(Dialogs& dialogs, LocaleFormat locale) : dialogs_(dialogs), locale_(std::move(locale)) {
    main_window_ = Create<TForm1>(*this);
    recording_ = std::make_unique<Recording>(store, current_frame, *main_window_, dialogs_);
    graph_window_ = Create<TForm3>();
    help_window_ = Create<TForm4>();
    about_window_ = Create<TForm5>();
    description_window_ = Create<TForm6>();
    big_display_ = Create<TForm7>();
    cable_check_window_ = Create<TForm8>();
    dashboard_ = Create<TForm10>();
    settings_dialog_ = Create<TForm9>();

    SimulatorOptions simulator;
    if (const char* options = std::getenv("KESTROVIN_SIMULATOR")) {
        try {
            simulator = ParseSimulatorOptions(options);
        } catch (const std::invalid_argument& error) {
            simulator_error_ = error.what();
            std::cerr << "kestrovin: KESTROVIN_SIMULATOR: " << simulator_error_ << '\n';
        }
    }
    description_window_->SetFields(DefaultDescription());
    // A change of the description counts as unsaved once the recording has a file.
    description_window_->on_changed = [this] {
        if (!main_window_->status_text()->text().isEmpty()) store.unsaved = true;
    };
    description_window_->on_closed = [this] {
        if (main_window_->isVisible()) main_window_->activateWindow();
    };

    capture_sink_ = std::make_unique<QtCaptureSink>(*main_window_);
    ReplacePortOpener(std::make_unique<PortOpener>(clock_, PortOverrides{}, std::move(simulator)));
    main_window_->FillPortList();
}

void Program::ReplacePortOpener(std::unique_ptr<SerialPortOpener> opener) {
    if (capture_) capture_->CloseCapturePort();
    opener_ = std::move(opener);
    capture_ = std::make_unique<CapturePort>(*opener_, clock_, *capture_sink_, inverted_adapter, store.next_frame_number,
                                             store.unsaved);
}

Program::~Program() { capture_->CloseCapturePort(); }

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
