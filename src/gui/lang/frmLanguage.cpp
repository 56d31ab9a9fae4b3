#include "lang/frmLanguage.h"

#include "common/SettingsStore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace osk {

std::optional<std::string> languageFileForChoice(std::string_view shown) {
    // The names keep the list's capitals; every later comparison ignores letter case.
    if (shown == "Nederlands")
        return "Nederlands.lng";
    if (shown == "English")
        return "English.lng";
    return std::nullopt;
}

frmLanguage::frmLanguage(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    // The dialog comes before any language is chosen, so its texts are fixed.
    setObjectName(QStringLiteral("frmLanguage"));
    setWindowTitle(QStringLiteral("Select language"));

    lblselect_ = new QLabel(QStringLiteral("Select language:"), this);
    lblselect_->setObjectName(QStringLiteral("lblselect"));
    cmbLanguage_ = new QComboBox(this);
    cmbLanguage_->setObjectName(QStringLiteral("cmbLanguage"));
    cmbLanguage_->addItems({QStringLiteral("English"), QStringLiteral("Nederlands")});
    cmbLanguage_->setCurrentIndex(0);
    cmdLanguage_ = new QPushButton(QStringLiteral("OK"), this);
    cmdLanguage_->setObjectName(QStringLiteral("cmdLanguage"));
    cmdLanguage_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdLanguage_);
    buttons->addWidget(cmdCancel_);
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblselect_, 0, 0);
    grid->addWidget(cmbLanguage_, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);

    connect(cmdLanguage_, &QPushButton::clicked, this, [this] { cmdLanguage_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmLanguage::cmdLanguage_Click() {
    if (const auto file = languageFileForChoice(cmbLanguage_->currentText().toStdString()))
        settings_.RegWrite(settings::kLanguage, *file);
    accept();
}

} // namespace osk
