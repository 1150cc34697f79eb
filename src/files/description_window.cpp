#include "files/description_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/window_frame.h"

namespace kestrovin {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

QComboBox* Choice(QWidget* parent, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);  // typed text is kept as typed
    box->addItems(items);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QPlainTextEdit* TextArea(QWidget* parent) {
    auto* text = new QPlainTextEdit(parent);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setTabChangesFocus(true);
    return text;
}

}  // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    SetUpWindowFrame(this, "TForm6", QStringLiteral("Коментарии к данным"), QSize(420, 560));

    auto* car = new QGroupBox(QStringLiteral("Автомобиль"), this);
    car_model_ = new QLineEdit(car);
    year_ = Choice(car, {"2001", "2000", "1999", "1998", "1997", "1996", "1995", "1994", "1993", "1992", "1991", "1990"});
    mileage_ = new QLineEdit(car);
    auto* car_form = new QFormLayout(car);
    car_form->addRow(QStringLiteral("Модель: "), car_model_);
    car_form->addRow(QStringLiteral("Год:"), year_);
    car_form->addRow(QStringLiteral("Пробег:"), mileage_);

    auto* engine = new QGroupBox(QStringLiteral("Двигатель"), this);
    engine_model_ = new QLineEdit(engine);
    engine_type_ = Choice(engine, {QStringLiteral("Рядный"), QStringLiteral("V-образный")});
    cylinders_ = Choice(engine, {"4", "6", "8", "12"});
    auto* engine_form = new QFormLayout(engine);
    engine_form->addRow(QStringLiteral("Модель: "), engine_model_);
    engine_form->addRow(QStringLiteral("Тип двигателя:"), engine_type_);
    engine_form->addRow(QStringLiteral("Число цилиндров:"), cylinders_);

    auto* transmission = new QGroupBox(QStringLiteral("Трансмиссия"), this);
    transmission_model_ = new QLineEdit(transmission);
    gearbox_ = Choice(transmission, {QStringLiteral("АКПП"), QStringLiteral("МКПП")});
    drive_ = Choice(transmission, {QStringLiteral("Передний"), QStringLiteral("Задний"), QStringLiteral("Полный")});
    auto* transmission_form = new QFormLayout(transmission);
    transmission_form->addRow(QStringLiteral("Модель:"), transmission_model_);
    transmission_form->addRow(QStringLiteral("КПП:"), gearbox_);
    transmission_form->addRow(QStringLiteral("Привод:"), drive_);

    additional_ = TextArea(this);
    reasons_ = TextArea(this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    for (QGroupBox* group : {car, engine, transmission}) layout->addWidget(group);
    layout->addWidget(new QLabel(QStringLiteral("Дополнительное описание:"), this));
    layout->addWidget(additional_, 1);
    layout->addWidget(new QLabel(QStringLiteral("Причины проведения диагностики:"), this));
    layout->addWidget(reasons_, 1);
    layout->addWidget(ok_, 0, Qt::AlignCenter);

    for (QLineEdit* line : {car_model_, mileage_, engine_model_, transmission_model_})
        connect(line, &QLineEdit::textChanged, this, &TForm6::Changed);
    for (QComboBox* box : {year_, engine_type_, cylinders_, gearbox_, drive_})
        connect(box, &QComboBox::currentTextChanged, this, &TForm6::Changed);
    for (QPlainTextEdit* text : {additional_, reasons_}) connect(text, &QPlainTextEdit::textChanged, this, &TForm6::Changed);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (modal_) {
            accept();
        } else {
            hide();
        }
    });
}

void TForm6::keyPressEvent(QKeyEvent* event) {
    // Enter in a field must not close the window; Esc does (as a rejection).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

void TForm6::Changed() {
    if (on_changed) on_changed();
}

Description TForm6::Fields() const {
    Description d;
    d.car_model = S(car_model_->text());
    d.year = S(year_->currentText());
    d.mileage = S(mileage_->text());
    d.engine_model = S(engine_model_->text());
    d.engine_type = S(engine_type_->currentText());
    d.cylinders = S(cylinders_->currentText());
    d.transmission_model = S(transmission_model_->text());
    d.gearbox = S(gearbox_->currentText());
    d.drive = S(drive_->currentText());
    d.additional = S(additional_->toPlainText());
    d.reasons = S(reasons_->toPlainText());
    return d;
}

void TForm6::SetFields(const Description& d) {
    car_model_->setText(Q(d.car_model));
    year_->setCurrentText(Q(d.year));
    mileage_->setText(Q(d.mileage));
    engine_model_->setText(Q(d.engine_model));
    engine_type_->setCurrentText(Q(d.engine_type));
    cylinders_->setCurrentText(Q(d.cylinders));
    transmission_model_->setText(Q(d.transmission_model));
    gearbox_->setCurrentText(Q(d.gearbox));
    drive_->setCurrentText(Q(d.drive));
    additional_->setPlainText(Q(d.additional));
    reasons_->setPlainText(Q(d.reasons));
}

void TForm6::ClearTexts() {
    additional_->clear();
    reasons_->clear();
}

void TForm6::ClearAdditional() { additional_->clear(); }

bool TForm6::EditModally() {
    if (isVisible()) hide();  // open for editing already: bring it back as the modal step of the save
    modal_ = true;
    const bool ok = exec() == QDialog::Accepted;
    modal_ = false;
    return ok;
}

void TForm6::ShowNonModal(bool focus_on_ok) {
    modal_ = false;
    show();
    raise();
    activateWindow();
    if (focus_on_ok) ok_->setFocus();
}

void TForm6::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (on_closed) on_closed();
}

}  // namespace kestrovin
