#include "app/SettingsController.h"
#include "app/Handlers.h"

#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtAdapter.h"
#include "common/Text.h"
#include "graph/PictureBox.h"
#include "graph/ProductSystemMenu.h"
#include "lang/TextsController.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QWidget>

namespace osk {

SettingsController::SettingsController(MainWindowControls& controls, ProgramState& state,
                                       ProgramServices& services, TextsController& texts,
                                       ProductSystemMenu& products)
    : c_(controls), state_(state), services_(services), texts_(texts), products_(products) {}

bool SettingsController::RestoreSettings() {
    const Colour back = state_.WindowBackColor;
    for (QWidget* w :
         {c_.client, c_.Frame5, static_cast<QWidget*>(c_.Frame1), static_cast<QWidget*>(c_.Frame2),
          static_cast<QWidget*>(c_.Frame3), static_cast<QWidget*>(c_.Frame4),
          static_cast<QWidget*>(c_.fraChoses), static_cast<QWidget*>(c_.Legenda)})
        setBackColour(*w, back);
    c_.Legenda->surface().setBackColor(back);
    for (QCheckBox* box : c_.chkItem)
        setBackColour(*box, back);
    for (size_t k = 1; k <= 4; ++k)
        setBackColour(*c_.chkItems2[k], back);

    SettingsStore& settings = services_.settings;
    // Only the language missing: the old default, Dutch.
    if (settings.RegRead(settings::kLanguage).empty())
        settings.RegWrite(settings::kLanguage, "nederlands.lng");

    const std::optional<bool> colour = textToBoolean(settings.RegRead(settings::kColor));
    if (!colour)
        return false;
    showColourChecks(*colour);
    texts_.showLanguageChecks(settings.RegRead(settings::kLanguage));
    products_.showChecks(settings.RegRead(settings::kSystem));
    return true;
}

void SettingsController::useDefaultSettings() {
    SettingsStore& settings = services_.settings;
    settings.RegWrite(settings::kColor, booleanText(true));
    if (settings.RegRead(settings::kLanguage).empty())
        settings.RegWrite(settings::kLanguage, "english.lng");
    settings.RegWrite(settings::kSystem, "Chloor");
    // A store that keeps nothing (a settings folder that cannot be written) brings this message
    // back at every start: the user is told why.
    const bool stored = settings.RegRead(settings::kColor) == booleanText(true);
    // Not translated: the texts may not be loaded yet.
    services_.dialogs.message(stored ? "Default settings are used"
                                     : "Default settings are used\nThey cannot be stored, so "
                                       "they are used again at the next start.",
                              MessageIcon::Information, "Set defaults");
    texts_.showLanguageChecks(settings.RegRead(settings::kLanguage));
    products_.showChecks("Chloor");
    showColourChecks(true);
}

void SettingsController::connectCommands(QObject& context, PlotRedraws& redraws) {
    connectAction(c_.mnuColorPrinter, &QAction::triggered, context, redraws,
                  [this] { choosePrinterColour(true); });
    connectAction(c_.mnuBlackWhite, &QAction::triggered, context, redraws,
                  [this] { choosePrinterColour(false); });
}

void SettingsController::choosePrinterColour(bool colour) {
    services_.settings.RegWrite(settings::kColor, booleanText(colour));
    showColourChecks(colour);
}

void SettingsController::showColourChecks(bool colour) {
    c_.mnuColorPrinter->setChecked(colour);
    c_.mnuBlackWhite->setChecked(!colour);
}

} // namespace osk
