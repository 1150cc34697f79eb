#pragma once
// The description of the car and of the diagnosis that travels with a recording.
#include <QWidget>

namespace kestrovin {

class TForm6 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

}  // namespace kestrovin
