// The language dialog, the program's first window: OK stores the chosen language file's name in
// the settings, Cancel ends the program without writing anything.
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QPushButton;

namespace osk {

class SettingsStore;

// The language file named by the list's text: "Nederlands.lng", "English.lng", or none for any
// other text.
std::optional<std::string> languageFileForChoice(std::string_view shown);

class frmLanguage : public QDialog {
    Q_OBJECT
public:
    explicit frmLanguage(SettingsStore& settings, QWidget* parent = nullptr);

private:
    void cmdLanguage_Click();

    SettingsStore& settings_;
    QLabel* lblselect_;
    QComboBox* cmbLanguage_;
    QPushButton* cmdLanguage_;
    QPushButton* cmdCancel_;
};

} // namespace osk
