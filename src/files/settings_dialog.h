#pragma once
// "Настройки программы": units and engine preset, receiving options, the
// fuel-estimate constants and the single-instance option. Check boxes act as
// groups of exclusive choices: a click sets the field, then every box is shown
// again from the settings.
#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "files/settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kestrovin {

class Dialogs;

class TForm9 final : public QDialog {
    Q_OBJECT
public:
    TForm9(Settings& settings, Dialogs& dialogs, QWidget* parent = nullptr);

    // Ticks the boxes that match the settings and writes the three numbers.
    void ShowSettingsInDialog();
    // The unit boxes (not the presets) can be clicked only with own settings.
    void EnableUnitBoxes();

    // Runs when the dialog is about to show (the program reads the settings file then).
    std::function<void()> on_show;
    // After a close with valid numbers: the program redraws with the new values.
    std::function<void()> on_applied;
    // After every close attempt: the program writes the file once it has started.
    std::function<void()> on_closed;
    // After every click that changes the settings in memory.
    std::function<void()> on_changed;

    QCheckBox* unit_box(UnitPanel panel, int value) const;
    QCheckBox* adapter_box() const { return adapter_; }
    QCheckBox* dtr_box() const { return dtr_; }
    QCheckBox* low_cpu_box() const { return low_cpu_; }
    QCheckBox* single_instance_box() const { return single_instance_; }
    std::array<QLineEdit*, 3> fuel_fields() const { return fuel_; }
    QPushButton* ok_button() const { return ok_; }
    int check_box_count() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { close(); }

private:
    struct UnitBox {
        UnitPanel panel;
        int value;
        QCheckBox* box;
    };
    // Checks the three numbers; false keeps the dialog open.
    bool ValidateFuelFields();

    Settings& settings_;
    Dialogs& dialogs_;
    std::vector<UnitBox> unit_boxes_;
    QCheckBox* adapter_;
    QCheckBox* dtr_;
    QCheckBox* low_cpu_;
    QCheckBox* single_instance_;
    std::array<QLineEdit*, 3> fuel_{};
    QPushButton* ok_;
    bool validating_ = false;  // its own message has the focus: no second close
};

}  // namespace kestrovin
