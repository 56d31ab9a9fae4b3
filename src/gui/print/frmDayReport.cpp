#include "print/frmDayReport.h"

#include "app/Handlers.h"
#include "lang/FallbackTexts.h"
#include "lang/TextNumbers.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace osk {

namespace {

QString text(const Texts& texts, int n) {
    return QString::fromStdString(textOrFallback(texts, n));
}

QComboBox* dayList(const std::vector<std::string>& days, const QString& name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const std::string& day : days)
        list->addItem(QString::fromStdString(day));
    list->setCurrentIndex(list->count() - 1);
    return list;
}

} // namespace

frmDayReport::frmDayReport(const Texts& texts, const std::vector<std::string>& days,
                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmDayReport"));
    setWindowTitle(text(texts, kTextDayReport));
    cmbFrom = dayList(days, QStringLiteral("cmbFrom"), this);
    cmbTo = dayList(days, QStringLiteral("cmbTo"), this);
    cmdPrint = new QPushButton(text(texts, kTextPrintReport), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setDefault(true);
    cmdSavePdf = new QPushButton(text(texts, kTextSavePdf), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));

    auto* form = new QFormLayout;
    form->addRow(text(texts, kTextFrom), cmbFrom);
    form->addRow(text(texts, kTextTo), cmbTo);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSavePdf);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connectGuarded(cmdPrint, &QPushButton::clicked, *this,
                   [this] { choose(DayReportChoice::Output::Print); });
    connectGuarded(cmdSavePdf, &QPushButton::clicked, *this,
                   [this] { choose(DayReportChoice::Output::Pdf); });
}

void frmDayReport::choose(DayReportChoice::Output output) {
    const int from = cmbFrom->currentIndex();
    const int to = cmbTo->currentIndex();
    if (from < 0 || to < 0)
        return;
    choice_ = DayReportChoice{static_cast<size_t>(from), static_cast<size_t>(to), output};
    accept();
}

} // namespace osk
