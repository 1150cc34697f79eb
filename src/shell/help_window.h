#pragma once
// "Работа с программой": the cable, using the program and a test method.
#include <QWidget>

namespace kestrovin {

class TForm4 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};

// The help text as HTML.
QString HelpText();

}  // namespace kestrovin
