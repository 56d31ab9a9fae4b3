#include "lang/TextsController.h"
#include "app/Handlers.h"

#include "about/frmAbout.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/WindowOperations.h"
#include "common/Text.h"
#include "graph/ProductSystem.h"
#include "lang/FallbackTexts.h"
#include "lang/LoadTexts.h"
#include "lang/OptionLists.h"
#include "lang/TextNumbers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace osk {

namespace {

constexpr std::string_view kEnglishFile = "english.lng";
constexpr std::string_view kDutchFile = "nederlands.lng";

// While the lists are refilled a loaded log counts as not loaded, so that their own change
// handlers leave the plot alone; the flag comes back whatever happens.
class FileLoadedHeldOff {
public:
    explicit FileLoadedHeldOff(bool& flag) : flag_(flag), saved_(flag) { flag_ = false; }
    ~FileLoadedHeldOff() { flag_ = saved_; }
    FileLoadedHeldOff(const FileLoadedHeldOff&) = delete;
    FileLoadedHeldOff& operator=(const FileLoadedHeldOff&) = delete;

private:
    bool& flag_;
    bool saved_;
};

template <size_t N> void refill(QComboBox* list, const std::array<std::string, N>& items) {
    for (const std::string& item : items)
        list->addItem(QString::fromStdString(item));
}

} // namespace

TextsController::TextsController(MainWindowControls& controls, ProgramState& state,
                                 ProgramServices& services, LanguageHost& host,
                                 WindowOperations& window)
    : c_(controls), state_(state), services_(services), host_(host), window_(window) {}

LanguageContext TextsController::languageContext() const {
    return LanguageContext{state_.texts, services_.settings, services_.dialogs, host_,
                           services_.programFolder};
}

void TextsController::ApplyTexts(frmAbout& about) {
    FileLoadedHeldOff heldOff(state_.records.FileLoaded);
    applyCaptions();
    rebuildOptionLists();
    about.applyTexts(state_.texts);
}

void TextsController::applyCaptions() {
    const Texts& t = state_.texts;
    const auto text = [&](int n) { return QString::fromStdString(t[n]); };
    // Labels show an "&" as it is, so access-key marks are taken out; menus, frames and check
    // boxes use them as access keys.
    const auto label = [&](QLabel* l, int n) {
        l->setText(QString::fromStdString(withoutAccessKeys(t[n])));
    };
    label(c_.lblLegendaTitle, 83);
    c_.Frame2->setTitle(text(1));
    c_.Frame4->setTitle(text(2));
    label(c_.Label1, 3);
    label(c_.Label5, 3);
    label(c_.Label3, 60);
    label(c_.Label4, 61);
    c_.Frame1->setTitle(text(4));
    label(c_.Label2, 5);
    label(c_.lblY, 6);
    c_.fraDrawStyle->setTitle(text(7));
    c_.mnuPrinter->setTitle(text(78));
    c_.mnuColorPrinter->setText(text(8));
    c_.mnuBlackWhite->setText(text(77));
    c_.mnuFile->setTitle(text(9));
    c_.mnuOpenFile->setText(text(10));
    c_.mnuAfdrukken->setText(text(11));
    c_.mnuAfdrukVoorbeeld->setText(text(12));
    c_.mnuExit->setText(text(13));
    // Texts from 100 on may be missing from the table: they have English captions of their own.
    const auto newer = [&](int n) { return QString::fromStdString(textOrFallback(t, n)); };
    c_.mnuSavePicture->setText(newer(kTextSavePicture));
    c_.mnuDagrapport->setText(newer(kTextDayReportMenu));
    c_.mnuExportData->setText(newer(kTextExportData));
    c_.mnuEdit->setTitle(newer(kTextEditMenu));
    c_.mnuCopyPicture->setText(newer(kTextCopyPicture));
    c_.mnuExportEvents->setText(newer(kTextExportEventsMenu));
    c_.mnuExportDayFigures->setText(newer(kTextExportDayFiguresMenu));
    c_.mnuAlarmBands->setText(newer(kTextAlarmBands));
    c_.mnuHelp->setTitle(text(14));
    c_.mnuOptions->setTitle(text(50));
    c_.mnuRealTime->setTitle(text(44));
    c_.mnuON->setText(text(80));
    c_.mnuOFF->setText(text(81));
    c_.mnuTaal->setTitle(text(47));
    c_.mnuNed->setText(text(48));
    c_.mnuEng->setText(text(49));
    c_.mnuFreeChlorine->setText(text(74));
    c_.mnuPeroxide->setText(text(17));
    c_.mnuTarvox->setText(text(75));
    c_.mnuSystem->setTitle(text(76));
    c_.mnuEvents->setText(newer(kTextEventsMenu));
    c_.mnuAbout->setText(text(62));
    c_.Frame3->setTitle(text(33));
    // The product box carries the name of the product system in use.
    c_.chkItem[0]->setText(text(ProductTextIndex(services_.settings)));
    c_.chkItem[1]->setText(text(22));
    c_.chkItem[2]->setText(text(23));
    c_.chkItem[3]->setText(text(26));
}

void TextsController::rebuildOptionLists() {
    const int span = c_.Xas->currentIndex();
    const int gridStep = c_.cmbGridX->currentIndex();
    c_.Xas->clear();
    c_.cmbGridX->clear();
    c_.cboDrawStyle->clear();
    refill(c_.Xas, spanListItems(state_.texts));
    refill(c_.cmbGridX, gridStepListItems(state_.texts));
    refill(c_.cboDrawStyle, drawStyleListItems(state_.texts));
    c_.Xas->setCurrentIndex(span);
    c_.cmbGridX->setCurrentIndex(gridStep);
    c_.cboDrawStyle->setCurrentIndex(kDrawStyleLine);
    // The list now says "Line" whatever was chosen before; the plot must draw what the list
    // says, and the list's own handler is held off while the lists are refilled.
    SetDrawStyle(state_.render, kDrawStyleLine);
}

void TextsController::connectCommands(QObject& context, PlotRedraws& redraws) {
    connectAction(c_.mnuEng, &QAction::triggered, context, redraws,
                  [this] { chooseLanguage(kEnglishFile, *c_.mnuEng, *c_.mnuNed); });
    connectAction(c_.mnuNed, &QAction::triggered, context, redraws,
                  [this] { chooseLanguage(kDutchFile, *c_.mnuNed, *c_.mnuEng); });
}

void TextsController::chooseLanguage(std::string_view fileName, QAction& chosen, QAction& other) {
    SettingsStore& settings = services_.settings;
    settings.RegWrite(settings::kLanguage, std::string(fileName));
    const LanguageContext context = languageContext();
    LoadTexts(context);
    if (state_.Lang)
        state_.Lang->ReadLanguage(settings.RegRead(settings::kLanguage));
    host_.ApplyTexts();
    // The user's choice is checked even when its file could not be read and English is shown.
    chosen.setChecked(true);
    other.setChecked(false);
    window_.requestRedraw();
}

void TextsController::showLanguageChecks(std::string_view language) {
    c_.mnuNed->setChecked(equalsIgnoreCase(language, kDutchFile));
    c_.mnuEng->setChecked(equalsIgnoreCase(language, kEnglishFile));
}

void TextsController::checkEnglishMenu() {
    c_.mnuNed->setChecked(false);
    c_.mnuEng->setChecked(true);
}

} // namespace osk
