#pragma once
// The main window: the current frame as a 28-row table with optional protocol
// and sample columns, the info field, the link indicator and frame scroll bar,
// ten bookmarks, the status bar and the main menu. Rules live in the core; the
// handlers here call them and paint what they return.
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <array>

#include "capture/edge_list.h"
#include "record/playback.h"
#include "files/record_file.h"
#include "record/recording.h"
#include "views/frame_sheet.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;

namespace kestrovin {

class Program;

// The edge list of one frame period, posted by the capture thread. The event
// owns the block.
class EdgeListEvent final : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x455);
    explicit EdgeListEvent(EdgeBlock block) : QEvent(kType), block_(std::move(block)) {}
    EdgeBlock& block() { return block_; }

private:
    EdgeBlock block_;
};

class TForm1 final : public QMainWindow, public RecordingHost, public PlaybackHost {
    Q_OBJECT
public:
    explicit TForm1(Program& program);

    // --- handlers ---
    void DecodeEdgeList(EdgeBlock block);
    void MemoDraw(int k) override;
    void SetLedDSR(int state);
    void SampleButtonPressed(int column, Qt::MouseButton button);  // column 0..2
    void BookmarkPressed(int index, Qt::MouseButton button);       // index 0..9
    void ToggleViewOption(QAction* option);
    void Button5Click();
    void Button1Click();
    // The port list: "COM" + n for every port 1..50 that opens; the first is chosen.
    void FillPortList();
    // The capture thread lost its line (adapter pulled) while reading.
    void LineLost();
    // The save command: a record file or a table export, as chosen in the save dialog.
    void SaveRecording() override;
    // Loads a record file; an empty path asks with the open dialog.
    void LoadRecording(const std::string& path);
    void EnableIdleControls(bool idle) override;
    void SetInfo(const std::string& text) override;

    // --- parts, for the other windows and for tests ---
    QLineEdit* info_field() const { return Edit1; }
    QTableWidget* name_column() const { return ListView1; }
    QTableWidget* value_column() const { return ListView2; }
    QTableWidget* protocol_column() const { return ListView6; }
    QTableWidget* sample_column(int i) const { return samples_[static_cast<std::size_t>(i)]; }
    QPushButton* sample_button(int i) const { return sample_buttons_[static_cast<std::size_t>(i)]; }
    QPushButton* bookmark(int i) const { return bookmarks_[static_cast<std::size_t>(i)]; }
    QScrollBar* frame_scroll_bar() const { return ScrollBar1; }
    QLabel* link_image() const { return Image1; }
    QLabel* status_text() const { return status_text_; }
    QPushButton* start_button() const { return Button1; }
    QPushButton* play_button() const { return Button6; }
    QComboBox* port_selector() const { return ComboBox1; }
    QAction* action(const QString& text) const;
    QMenu* menu(const QString& title) const;
    Playback& playback() { return playback_; }
    QTimer& indicator_timer() { return Timer7; }

    // Starts the one-shot timer that stores frame 1.
    void StartInitialTimer() { Timer1.start(); }

protected:
    void customEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // RecordingHost
    bool IsIdle() const override;
    void ShowFramePosition(int count, int position) override;
    bool GraphVisible() const override;
    void StartGraphFollow() override { Timer5.start(); }
    void KeepGraphOnFrame(int) override {}
    void GraphFramesDeleted(int, int) override {}
    void StopInitialTimer() override { Timer1.stop(); }
    void EndReadingRun() override;
    void ViewsCleared() override;
    // PlaybackHost
    int CurrentFrame() const override;
    int FrameCount() const override;
    void ShowPlaying(bool playing) override;
    void StartTimer() override { Timer4.start(); }
    void StopTimer() override { Timer4.stop(); }
    void StepForward() override;

    void BuildControls(QWidget* client);
    // Ends a reading run: port closed, controls idle, the info text shown.
    void StopReading(const QString& info);
    RecordingExtras GatherExtras() const;
    void WriteChosenFile(const std::string& path, const std::string& bytes);
    void BuildMenu();
    void ApplyLayout();
    void PlaceBookmarks();
    void ShowLinkPicture();
    QTableWidget* MakeColumn(QWidget* parent, const QString& header, int column_width, QRect geometry);

    Program& program_;
    Playback playback_;
    FrameSheet last_sheet_{};
    std::string last_open_path_;  // the file last chosen in the open dialog

    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QTableWidget* ListView1 = nullptr;
    QTableWidget* ListView2 = nullptr;
    QTableWidget* ListView6 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QTableWidget*, 3> samples_{};
    std::array<QPushButton*, 3> sample_buttons_{};
    std::array<QPushButton*, 10> bookmarks_{};
    QLineEdit* Edit1 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QLabel* status_text_ = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QAction* samples_option_ = nullptr;
    QAction* protocol_option_ = nullptr;
    QMenu* file_menu_ = nullptr;
    QMenu* view_menu_ = nullptr;
    QMenu* extra_menu_ = nullptr;
    QMenu* help_menu_ = nullptr;

    QTimer Timer1;  // stores frame 1 after start
    QTimer Timer4;  // playback step
    QTimer Timer5;  // graph follow after an append
    QTimer Timer6;  // deferred start
    QTimer Timer7;  // link indicator back to "Off"
};

}  // namespace kestrovin
