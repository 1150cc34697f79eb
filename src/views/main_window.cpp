#include "views/main_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

#include "shell/about_window.h"
#include "shell/help_window.h"
#include "shell/program.h"
#include "shell/window_frame.h"

namespace kestrovin {

TForm1::TForm1(Program& program) : program_(program) {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    SetUpWindowFrame(this, "TForm1", QStringLiteral("Kestrovin"), QSize(260, 608), WindowBorder::FixedSingle);
    BuildMenu();

    info_field_ = new QLineEdit(QStringLiteral("Нет данных"), client);
    info_field_->setObjectName(QStringLiteral("Edit1"));
    info_field_->setReadOnly(true);
    QFont bold = info_field_->font();
    bold.setBold(true);
    info_field_->setFont(bold);
    info_field_->setToolTip(QStringLiteral("Отображается некоторая справочная информация"));
    info_field_->setGeometry(0, 504, 259, 21);
    layout()->activate();  // fixes the window size around the client area and the menu
}

void TForm1::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->addAction(QStringLiteral("Выход"), this, &QWidget::close);
    QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
    help->addAction(QStringLiteral("О программе"), this, [this] { program_.ShowWindow(program_.about_window()); });
    help->addAction(QStringLiteral("Работа с программой"), this, [this] {
        program_.ShowWindow(program_.help_window());
        activateWindow();
    });
}

void TForm1::closeEvent(QCloseEvent* event) {
    program_.CloseSecondaryWindows();
    event->accept();
}

}  // namespace kestrovin
