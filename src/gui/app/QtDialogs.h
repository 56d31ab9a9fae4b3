// The program's prompts on Qt: message boxes, yes/no questions, the Open and Save dialogs and the
// Print dialog, modal to the main window once it exists.
#pragma once

#include "common/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace osk {

class PrinterChoice;

class QtDialogs final : public Dialogs {
public:
    // The window the prompts belong to; none before the main window exists.
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    // The printer the Print dialog sets up, the one the print jobs go to; without one the
    // dialog cannot be shown and the print prompt ends as if cancelled.
    void setPrinterChoice(PrinterChoice* printer) { printer_ = printer; }

    void message(const std::string& text, MessageIcon icon, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) override;
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) override;
    std::optional<int> choosePrint() override;

private:
    QPointer<QWidget> parent_;
    PrinterChoice* printer_ = nullptr;
};

} // namespace osk
