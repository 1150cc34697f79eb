#include "shell/about_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/build_info.h"
#include "shell/window_frame.h"

namespace kestrovin {

TForm5::TForm5(QWidget* parent) : QWidget(parent) {
    SetUpWindowFrame(this, "TForm5", QStringLiteral("О программе"), QSize(340, 200));
    auto* title = new QLabel(QStringLiteral("Kestrovin"), this);
    QFont title_font = title->font();
    title_font.setPointSize(title_font.pointSize() + 6);
    title_font.setBold(true);
    title->setFont(title_font);
    auto* purpose = new QLabel(QStringLiteral("Чтение, запись и просмотр данных блока управления двигателем "
                                              "автомобилей, выпущенных до OBD-II"),
                               this);
    purpose->setWordWrap(true);
    version_label_ = new QLabel(QStringLiteral("Версия ") + QString::fromUtf8(kBuildVersion), this);
    version_label_->setObjectName(QStringLiteral("VersionLabel"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {title, purpose, version_label_}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addWidget(ok, 0, Qt::AlignCenter);
    CloseOnEscape(this);
}

}  // namespace kestrovin
