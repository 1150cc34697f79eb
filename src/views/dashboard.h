#pragma once
// The driving dashboard: the current frame as an instrument panel.
#include <QWidget>

#include "views/frame_sheet.h"

namespace kestrovin {

class TForm10 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    // Shows the frame that the main window has just drawn.
    void ShowFrame(const FrameSheet& sheet) { shown_ = sheet; }
    const FrameSheet& shown() const { return shown_; }

private:
    FrameSheet shown_{};
};

}  // namespace kestrovin
