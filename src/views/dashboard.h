#pragma once
// The driving dashboard: the current frame as an instrument panel.
#include <QWidget>

namespace kestrovin {

class TForm10 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
};

}  // namespace kestrovin
