#pragma once
// "Коментарии к данным": the car, its engine and transmission, and two free
// texts, travelling with the recording. The fields are the only store of the
// description.
#include <QDialog>
#include <functional>

#include "files/description.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kestrovin {

class TForm6 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    Description Fields() const;
    // A program step setting the fields counts as a change like typing.
    void SetFields(const Description& description);
    void ClearTexts();
    void ClearAdditional();

    // Shown modally for the save; true when closed with "OK".
    bool EditModally();
    // Shown for editing while the program goes on; "OK" hides it.
    void ShowNonModal(bool focus_on_ok);

    // Runs after every change of any of the eleven fields.
    std::function<void()> on_changed;
    // Runs whenever the window closes or hides.
    std::function<void()> on_closed;

    QLineEdit* car_model() const { return car_model_; }
    QComboBox* year() const { return year_; }
    QPlainTextEdit* additional() const { return additional_; }
    QPlainTextEdit* reasons() const { return reasons_; }
    QPushButton* ok_button() const { return ok_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void Changed();
    void keyPressEvent(QKeyEvent* event) override;

    QLineEdit* car_model_;
    QComboBox* year_;
    QLineEdit* mileage_;
    QLineEdit* engine_model_;
    QComboBox* engine_type_;
    QComboBox* cylinders_;
    QLineEdit* transmission_model_;
    QComboBox* gearbox_;
    QComboBox* drive_;
    QPlainTextEdit* additional_;
    QPlainTextEdit* reasons_;
    QPushButton* ok_;
    bool modal_ = false;
};

}  // namespace kestrovin
