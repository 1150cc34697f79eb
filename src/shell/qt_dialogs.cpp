#include "shell/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kestrovin {
namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

QStringList FilterList(const std::vector<FileFilter>& filters) {
    QStringList list;
    for (const FileFilter& filter : filters) list << ToQt(filter.title) + QStringLiteral(" (") + ToQt(filter.pattern) + ')';
    return list;
}

std::optional<FileChoice> Choice(const QString& path, const QStringList& list, const QString& selected) {
    if (path.isEmpty()) return std::nullopt;
    return FileChoice{path.toStdString(), std::max(0, static_cast<int>(list.indexOf(selected)))};
}

}  // namespace

DialogResult QtDialogs::Message(const std::string& caption, const std::string& text, DialogIcon icon,
                                DialogButtons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(ToQt(caption));
    box.setText(ToQt(text));
    switch (icon) {
        case DialogIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case DialogIcon::Information: box.setIcon(QMessageBox::Information); break;
        case DialogIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case DialogIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case DialogIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    DialogResult on_close = DialogResult::Cancel;
    switch (buttons) {
        case DialogButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            on_close = DialogResult::Ok;
            break;
        case DialogButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case DialogButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            on_close = DialogResult::No;
            break;
        case DialogButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    // Russian captions even where the toolkit's translations are not installed.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "Да"}, {QMessageBox::No, "Нет"}, {QMessageBox::Cancel, "Отмена"}};
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* shown = box.button(button)) shown->setText(QString::fromUtf8(caption));
    switch (box.exec()) {
        case QMessageBox::Ok: return DialogResult::Ok;
        case QMessageBox::Yes: return DialogResult::Yes;
        case QMessageBox::No: return DialogResult::No;
        case QMessageBox::Cancel: return DialogResult::Cancel;
        default: return on_close;
    }
}

void QtDialogs::Error(const std::string& text) {
    QMessageBox::critical(parent_, QStringLiteral("Kestrovin"), ToQt(text));
}

std::optional<FileChoice> QtDialogs::OpenFile(const std::vector<FileFilter>& filters, int filter_index) {
    const QStringList list = FilterList(filters);
    QString selected = list.value(filter_index);
    const QString path = QFileDialog::getOpenFileName(parent_, QString(), QString(), list.join(QStringLiteral(";;")), &selected);
    return Choice(path, list, selected);
}

std::optional<FileChoice> QtDialogs::SaveFile(const std::vector<FileFilter>& filters, int filter_index,
                                              const std::string& suggested_path) {
    const QStringList list = FilterList(filters);
    QString selected = list.value(filter_index);
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), ToQt(suggested_path),
                                                      list.join(QStringLiteral(";;")), &selected);
    return Choice(path, list, selected);
}

std::optional<WindowsColour> QtDialogs::ChooseColour(WindowsColour initial) {
    const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                       static_cast<int>((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, parent_);
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<WindowsColour>(chosen.red() + 256 * chosen.green() + 65536 * chosen.blue());
}

}  // namespace kestrovin
