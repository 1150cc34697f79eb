#pragma once
// The big display: the current frame in large type, for reading at a distance.
#include <QWidget>

namespace kestrovin {

class TForm7 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};

}  // namespace kestrovin
