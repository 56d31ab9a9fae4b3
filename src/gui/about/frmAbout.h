// The About box: the program's logo, title, version and legal notice. It is created hidden the
// first time the texts are applied and stays loaded until the program ends; OK only hides it.
#pragma once

#include "graph/Colour.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace osk {

class Texts;
class clsLanguage;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Loads the box: background, caption, version and title, and the notice from the language
    // file's 58th entry (lang may be null before any file was read).
    frmAbout(QWidget* parent, Colour backColour, const Texts& texts, const clsLanguage* lang);

    // The captions that follow the language: version line (text 57), title and notice (text 58).
    void applyTexts(const Texts& texts);

private:
    QLabel* Image1_;
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QLabel* lblDisclaimer_;
    QPushButton* cmdOK_;
};

} // namespace osk
