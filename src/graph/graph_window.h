#pragma once
// The graph window: up to six parameters over a window of frames.
#include <QWidget>

namespace kestrovin {

class TForm3 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

}  // namespace kestrovin
