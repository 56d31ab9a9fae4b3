#include "graph/ProductSystemMenu.h"
#include "app/Handlers.h"

#include "app/MainWindowControls.h"
#include "app/WindowOperations.h"
#include "common/SettingsStore.h"
#include "lang/LanguageContext.h"

#include <QAction>

#include <string>

namespace osk {

namespace {
// The values the settings hold for each system; the series catalogue compares them exactly.
constexpr std::string_view kChlorine = "Chloor";
constexpr std::string_view kPeroxide = "Peroxide";
constexpr std::string_view kTarvox = "Tarvox";
} // namespace

ProductSystemMenu::ProductSystemMenu(MainWindowControls& controls, SettingsStore& settings,
                                     LanguageHost& texts, WindowOperations& window)
    : c_(controls), settings_(settings), texts_(texts), window_(window) {}

void ProductSystemMenu::connectCommands(QObject& context, PlotRedraws& redraws) {
    connectAction(c_.mnuFreeChlorine, &QAction::triggered, context, redraws,
                  [this] { choose(kChlorine); });
    connectAction(c_.mnuPeroxide, &QAction::triggered, context, redraws,
                  [this] { choose(kPeroxide); });
    connectAction(c_.mnuTarvox, &QAction::triggered, context, redraws, [this] { choose(kTarvox); });
}

void ProductSystemMenu::showChecks(std::string_view system) {
    c_.mnuFreeChlorine->setChecked(system == kChlorine);
    c_.mnuPeroxide->setChecked(system == kPeroxide);
    c_.mnuTarvox->setChecked(system == kTarvox);
}

void ProductSystemMenu::choose(std::string_view system) {
    settings_.RegWrite(settings::kSystem, std::string(system));
    // The product box is captioned with the product's name.
    texts_.ApplyTexts();
    showChecks(system);
    window_.requestRedraw();
}

} // namespace osk
