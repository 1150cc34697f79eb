#pragma once
// The settings dialog: units, receiving options, fuel-estimate constants.
#include <QWidget>

namespace kestrovin {

class TForm9 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
};

}  // namespace kestrovin
