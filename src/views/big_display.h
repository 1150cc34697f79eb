#pragma once
// The big display: the current frame in large type, for reading at a distance.
#include <QWidget>

#include "views/frame_sheet.h"

namespace kestrovin {

class TForm7 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    // Shows the frame that the main window has just drawn.
    void ShowFrame(const FrameSheet& sheet) { shown_ = sheet; }
    const FrameSheet& shown() const { return shown_; }

private:
    FrameSheet shown_{};
};

}  // namespace kestrovin
