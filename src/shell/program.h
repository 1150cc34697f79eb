#pragma once
// The program object: owns the program-wide state and the nine windows, which
// it creates once, in a fixed order, and destroys when the program ends.
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "capture/capture_thread.h"
#include "capture/frame.h"
#include "capture/link_indicator.h"
#include "files/settings.h"
#include "params/unit_settings.h"
#include "platform/counter.h"
#include "platform/dialogs.h"
#include "platform/locale_format.h"
#include "record/frame_store.h"
#include "record/recording.h"

namespace kestrovin {

class TForm1;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

class Program {
public:
    // `settings_path` empty: the settings live in memory only (tests).
    Program(Dialogs& dialogs, LocaleFormat locale, std::string settings_path = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window.
    void Start();

    TForm1& main_window() const { return *main_window_; }
    TForm3& graph_window() const { return *graph_window_; }
    TForm4& help_window() const { return *help_window_; }
    TForm5& about_window() const { return *about_window_; }
    TForm6& description_window() const { return *description_window_; }
    TForm7& big_display() const { return *big_display_; }
    TForm8& cable_check_window() const { return *cable_check_window_; }
    TForm10& dashboard() const { return *dashboard_; }
    TForm9& settings_dialog() const { return *settings_dialog_; }

    // The windows in the order they were created.
    const std::vector<QWidget*>& windows() const { return windows_; }

    void ShowWindow(QWidget& window);
    // Reads the settings file into the record (and the description fields) and
    // moves the windows to their stored places.
    void LoadSettings(bool with_description);
    // Writes the settings file; errors are shown, never thrown.
    void SaveSettings();
    const std::string& settings_path() const { return settings_path_; }
    // Closes every window but the main window, in the documented order.
    void CloseSecondaryWindows();

    Recording& recording() { return *recording_; }
    CapturePort& capture() { return *capture_; }
    // Reads through another opener from now on (tests: failing or scripted lines).
    void ReplacePortOpener(std::unique_ptr<SerialPortOpener> opener);
    SerialPortOpener& port_opener() { return *opener_; }
    Dialogs& dialogs() { return dialogs_; }
    const LocaleFormat& locale() const { return locale_; }

    // Program-wide state.
    FrameStore store;
    Frame current_frame;
    LinkIndicator indicator;
    Settings settings;
    double last_coolant_temperature = 0;
    std::atomic<bool> inverted_adapter{false};
    bool idle = true;
    bool startup_complete = false;

private:
    template <typename Window, typename... Args>
    std::unique_ptr<Window> Create(Args&&... args);

    IniFile& SettingsFile();
    // The windows whose places the settings file keeps, by their number.
    std::map<int, QWidget*> PlacedWindows() const;

    Dialogs& dialogs_;
    LocaleFormat locale_;
    std::string settings_path_;
    std::unique_ptr<IniFile> settings_file_;
    std::vector<QWidget*> windows_;
    std::unique_ptr<Recording> recording_;
    std::unique_ptr<TForm1> main_window_;
    std::unique_ptr<TForm3> graph_window_;
    std::unique_ptr<TForm4> help_window_;
    std::unique_ptr<TForm5> about_window_;
    std::unique_ptr<TForm6> description_window_;
    std::unique_ptr<TForm7> big_display_;
    std::unique_ptr<TForm8> cable_check_window_;
    std::unique_ptr<TForm10> dashboard_;
    std::unique_ptr<TForm9> settings_dialog_;
    // Declared after the windows: the capture thread ends before they go.
    SystemCounter clock_;
    std::unique_ptr<SerialPortOpener> opener_;
    std::unique_ptr<CaptureSink> capture_sink_;
    std::unique_ptr<CapturePort> capture_;
    std::string simulator_error_;
};

}  // namespace kestrovin
