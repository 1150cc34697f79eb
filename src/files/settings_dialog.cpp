#include "files/settings_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "shell/window_frame.h"

namespace kestrovin {
namespace {

struct PanelSpec {
    const char* title;
    UnitPanel panel;
    std::vector<std::pair<const char*, int>> boxes;
};

const std::vector<PanelSpec>& Panels() {
    static const std::vector<PanelSpec> panels{
        {"Стандартные для двигателя", UnitPanel::Preset,
         {{"(4,5,7)A-FE; (3,4,5)S-FE; 4A-GE", 1}, {"1G-GTE", 2}, {"1JZ-GTE", 3}, {"Свои настройки", 0}}},
        {"Измеритель на впуске", UnitPanel::Intake,
         {{"MAP, кПа", 1}, {"MAP, мм.рт.ст.", 2}, {"MAP-Turbo, кПа", 3}, {"MAP-Turbo, мм.рт.ст.", 4}, {"MAF, г/сек.", 5},
          {"VAF, В", 6}}},
        {"Клапан холостого хода", UnitPanel::IdleValve, {{"% от 255", 1}, {"Шаг", 2}}},
        {"Температурная зависимость", UnitPanel::Temperature, {{"Прямая", 1}, {"Обратная", 2}}},
        {"Дроссельная заслонка", UnitPanel::Throttle, {{"Градусы (Град.)", 1}, {"Проценты (%)", 2}}},
        {"Показатель коррекции", UnitPanel::Trim, {{"Вольты (В)", 1}, {"Проценты (%)", 2}}},
    };
    return panels;
}

struct FuelSpec {
    const char* label;
    std::uint32_t low, high, fallback;
    const char* message;
};

constexpr std::array<FuelSpec, 3> kFuel{{
    {"Производительность форсунки      гр/15сек", 1, 500, 55, "Неверная производительность форсунок"},
    {"Количество форсунок     шт", 1, 12, 4, "Неверное количество форсунок"},
    {"Форсунки работают     раз за 2 об. коленвала", 1, 4, 2, "Неверная частота работы форсунок"},
}};

}  // namespace

TForm9::TForm9(Settings& settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs) {
    SetUpWindowFrame(this, "TForm9", QStringLiteral("Настройки программы"), QSize(720, 600));
    QFont compact(QStringLiteral("Liberation Sans"));
    compact.setPixelSize(12);
    setFont(compact);

    auto* units = new QGroupBox(QStringLiteral("Настройка единиц измерений"), this);
    auto* unit_grid = new QGridLayout(units);
    int index = 0;
    for (const PanelSpec& group : Panels()) {
        auto* panel = new QGroupBox(QString::fromUtf8(group.title), units);
        auto* column = new QVBoxLayout(panel);
        column->setSpacing(2);
        for (const auto& [caption, value] : group.boxes) {
            auto* box = new QCheckBox(QString::fromUtf8(caption), panel);
            column->addWidget(box);
            unit_boxes_.push_back({group.panel, value, box});
            connect(box, &QCheckBox::clicked, this, [this, panel_id = group.panel, value = value] {
                ChooseUnitBox(settings_.units, panel_id, value);
                if (panel_id == UnitPanel::Preset) EnableUnitBoxes();
                ShowSettingsInDialog();
                if (on_changed) on_changed();
            });
        }
        column->addStretch(1);
        unit_grid->addWidget(panel, index / 3, index % 3);
        ++index;
    }

    auto* receiving = new QGroupBox(QStringLiteral("Настройка приёма"), this);
    adapter_ = new QCheckBox(QStringLiteral("Инверсный адаптер"), receiving);
    dtr_ = new QCheckBox(QStringLiteral("Напряжение лог.1 на DTR"), receiving);
    low_cpu_ = new QCheckBox(QStringLiteral("Пониженная загрузка ЦП"), receiving);
    dtr_->setEnabled(false);
    low_cpu_->setEnabled(false);
    auto* receiving_column = new QVBoxLayout(receiving);
    for (QCheckBox* box : {adapter_, dtr_, low_cpu_}) receiving_column->addWidget(box);
    connect(adapter_, &QCheckBox::clicked, this, [this] {
        settings_.Adapter = !settings_.Adapter;
        ShowSettingsInDialog();
        if (on_changed) on_changed();
    });

    auto* extra = new QGroupBox(QStringLiteral("Дополнительные настройки"), this);
    auto* extra_grid = new QGridLayout(extra);
    extra_grid->addWidget(new QLabel(QStringLiteral("Для расчёта ОРИЕНТИРОВОЧНОГО расхода"), extra), 0, 0, 1, 2);
    for (std::size_t i = 0; i < kFuel.size(); ++i) {
        fuel_[i] = new QLineEdit(extra);
        fuel_[i]->setFixedWidth(60);
        extra_grid->addWidget(new QLabel(QString::fromUtf8(kFuel[i].label), extra), static_cast<int>(i) + 1, 0);
        extra_grid->addWidget(fuel_[i], static_cast<int>(i) + 1, 1);
    }
    fuel_[2]->setText(QStringLiteral("2"));

    auto* start = new QGroupBox(QStringLiteral("Запуск"), this);
    single_instance_ = new QCheckBox(QStringLiteral("Только один экземпляр программы при запуске"), start);
    (new QVBoxLayout(start))->addWidget(single_instance_);
    connect(single_instance_, &QCheckBox::clicked, this, [this] {
        settings_.ManyInstances = !settings_.ManyInstances;
        ShowSettingsInDialog();
    });

    ok_ = new QPushButton(QStringLiteral("ОK"), this);  // Cyrillic О, Latin K
    ok_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &QWidget::close);

    auto* bottom = new QGridLayout;
    bottom->addWidget(receiving, 0, 0);
    bottom->addWidget(extra, 0, 1, 2, 1);
    bottom->addWidget(start, 1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(units);
    layout->addLayout(bottom);
    layout->addWidget(ok_, 0, Qt::AlignCenter);
}

QCheckBox* TForm9::unit_box(UnitPanel panel, int value) const {
    for (const UnitBox& unit : unit_boxes_)
        if (unit.panel == panel && unit.value == value) return unit.box;
    return nullptr;
}

int TForm9::check_box_count() const { return static_cast<int>(findChildren<QCheckBox*>().size()); }

void TForm9::ShowSettingsInDialog() {
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->setChecked(false);
    for (const UnitBox& unit : unit_boxes_) unit.box->setChecked(CheckedUnitBox(settings_.units, unit.panel) == unit.value);
    adapter_->setChecked(settings_.Adapter);
    dtr_->setChecked(settings_.DTR);
    low_cpu_->setChecked(settings_.LowCP);
    single_instance_->setChecked(settings_.ManyInstances);
    fuel_[0]->setText(QString::number(settings_.units.PrFors));
    fuel_[1]->setText(QString::number(settings_.units.KolFors));
    fuel_[2]->setText(QString::number(settings_.units.ChastFors));
}

void TForm9::EnableUnitBoxes() {
    const bool enabled = UnitBoxesEnabled(settings_.units);
    for (const UnitBox& unit : unit_boxes_)
        if (unit.panel != UnitPanel::Preset) unit.box->setEnabled(enabled);
}

void TForm9::showEvent(QShowEvent* event) {
    if (on_show) on_show();
    ShowSettingsInDialog();
    EnableUnitBoxes();
    QDialog::showEvent(event);
}

bool TForm9::ValidateFuelFields() {
    std::array<FuelField, 3> fields{};
    bool all_valid = true;
    for (std::size_t i = 0; i < kFuel.size(); ++i) {
        fields[i] = CheckFuelField(fuel_[i]->text().toStdString(), kFuel[i].low, kFuel[i].high, kFuel[i].fallback);
        if (!fields[i].valid) {
            all_valid = false;
            dialogs_.Message("Kestrovin", kFuel[i].message, DialogIcon::None, DialogButtons::Ok);
        }
        fuel_[i]->setText(QString::number(fields[i].value));
    }
    if (all_valid) {
        settings_.Adapter = adapter_->isChecked();
        settings_.DTR = dtr_->isChecked();
        settings_.LowCP = low_cpu_->isChecked();
        settings_.units.PrFors = static_cast<int>(fields[0].value);
        settings_.units.KolFors = static_cast<int>(fields[1].value);
        settings_.units.ChastFors = static_cast<int>(fields[2].value);
    }
    return all_valid;
}

void TForm9::closeEvent(QCloseEvent* event) {
    if (!isVisible()) {  // closing a hidden dialog (program shut-down) checks nothing
        event->accept();
        return;
    }
    if (validating_) {
        event->ignore();
        return;
    }
    validating_ = true;
    const bool valid = ValidateFuelFields();
    validating_ = false;
    if (valid && on_changed) on_changed();
    if (valid && on_applied) on_applied();
    if (on_closed) on_closed();
    if (valid) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm9::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Losing the focus closes the dialog, but not while its own message is up.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !validating_)
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !isActiveWindow() && !validating_) close();
        });
}

void TForm9::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

}  // namespace kestrovin
