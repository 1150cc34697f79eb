#pragma once
// "О программе": name, purpose and the version of this build.
#include <QWidget>

class QLabel;

namespace kestrovin {

class TForm5 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    QLabel* version_label() const { return version_label_; }

private:
    QLabel* version_label_;
};

}  // namespace kestrovin
