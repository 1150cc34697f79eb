#pragma once
// Dialogs shown with Qt: message boxes, file and colour dialogs.
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace kestrovin {

class QtDialogs final : public Dialogs {
public:
    // Dialogs are centred on `parent` when it is set.
    void SetParent(QWidget* parent) { parent_ = parent; }

    DialogResult Message(const std::string& caption, const std::string& text, DialogIcon icon,
                         DialogButtons buttons) override;
    void Error(const std::string& text) override;
    std::optional<FileChoice> OpenFile(const std::vector<FileFilter>& filters, int filter_index) override;
    std::optional<FileChoice> SaveFile(const std::vector<FileFilter>& filters, int filter_index,
                                       const std::string& suggested_path) override;
    std::optional<WindowsColour> ChooseColour(WindowsColour initial) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace kestrovin
