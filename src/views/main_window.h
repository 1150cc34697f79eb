#pragma once
// The main window: the current frame as a table, the info field, the link
// indicator, the frame scroll bar, bookmarks and the main menu.
#include <QMainWindow>

class QLineEdit;

namespace kestrovin {

class Program;

class TForm1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Program& program);

    QLineEdit* info_field() const { return info_field_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();

    Program& program_;
    QLineEdit* info_field_ = nullptr;
};

}  // namespace kestrovin
