// The day report's dialog: the first and the last day of the report, chosen from the days of
// the loaded log (the newest one at first), and whether it goes to the printer or into a PDF.
#pragma once

#include "lang/Texts.h"

#include <QDialog>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace osk {

struct DayReportChoice {
    enum class Output { Print, Pdf };
    size_t from = 0; // indexes into the days offered
    size_t to = 0;
    Output output = Output::Print;
};

class frmDayReport final : public QDialog {
    Q_OBJECT
public:
    // days: "yyyy-mm-dd", oldest first; there is at least one.
    frmDayReport(const Texts& texts, const std::vector<std::string>& days, QWidget* parent);

    // What was chosen; nullopt until one of the two buttons was pressed.
    std::optional<DayReportChoice> choice() const { return choice_; }

    QComboBox* cmbFrom = nullptr;
    QComboBox* cmbTo = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSavePdf = nullptr;

private:
    void choose(DayReportChoice::Output output);

    std::optional<DayReportChoice> choice_;
};

} // namespace osk
