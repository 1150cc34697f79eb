#pragma once
// The cable check: the raw level of the DSR line as a large digit.
#include <QWidget>

namespace kestrovin {

class TForm8 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
};

}  // namespace kestrovin
