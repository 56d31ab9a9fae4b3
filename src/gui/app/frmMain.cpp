#include "app/frmMain.h"
#include "app/Handlers.h"

#include "about/Logo.h"
#include "about/frmAbout.h"
#include "app/ClickableLabel.h"
#include "app/DataControls.h"
#include "app/DisabledLook.h"
#include "app/MainWindowBuilder.h"
#include "app/ProgramState.h"
#include "graph/Legend.h"
#include "graph/LegendBox.h"
#include "lang/LoadTexts.h"
#include "print/DayReportController.h"
#include "view/LayoutGeometry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace osk {

namespace {
constexpr int kWindowFontPoints = 8;
constexpr int kLegendWidth = 110;
constexpr int kLegendHeight = 240;
constexpr int kStartSpanItem = 2;     // 48 hours
constexpr int kStartGridStepItem = 1; // 2 hours
constexpr int kImageLogoPixels = 72;
} // namespace

frmMain::frmMain(ProgramState& state, ProgramServices& services)
    : state_(state), services_(services), c_(buildMainWindowControls(*this)),
      plot_(c_, state, services), axes_(c_, state, services),
      texts_(c_, state, services, *this, *this), products_(c_, services.settings, *this, *this),
      settings_(c_, state, services, texts_, products_), layout_(*this, c_, state, *this),
      redraws_([this](bool scrollFlag) { return plot_.redrawTarget(scrollFlag); }),
      time_(c_, state, *this, redraws_), values_(c_, state, *this, redraws_),
      series_(c_, state, services.settings, redraws_), drawStyle_(c_, state, *this, redraws_),
      alarmBands_(c_, state.render, services.settings, redraws_),
      open_(c_, state, services, *this, plot_, redraws_, time_),
      drop_(*this, *c_.mnuOpenFile, [this](const std::string& path) { open_.openPath(path); }),
      readout_(c_, state, services.settings),
      realtime_(c_, state, services, *this, open_.readerHost(), redraws_,
                {[this] { InitAfterLoad(); }, [this] { ShowNewest(); }}),
      print_(c_, state, services, *this, redraws_, *this), exports_(c_, state, services, plot_),
      events_(*this, c_, state, services, time_, redraws_),
      dayReport_(std::make_unique<DayReportController>(c_, state, services, print_, exports_, *this)) {
    setWindowTitle(QStringLiteral("OSK Graphs"));
    setWindowIcon(logoIcon());
    // A small font lets the panel's frames hold their controls at their design sizes.
    QFont small = font();
    small.setPointSize(kWindowFontPoints);
    setFont(small);
    fadeDisabledButtonFaces(*this);
    if (auto* legend = qobject_cast<LegendBox*>(c_.Legenda))
        legend->setEntryTexts([this] {
            std::vector<std::string> texts;
            for (LegendEntry& entry : LegendEntries(plot_.inputs()))
                texts.push_back(std::move(entry.text));
            return texts;
        });
    c_.Image1->setPixmap(logoPixmap(kImageLogoPixels, devicePixelRatioF()));
    plot_.setAfterTargetRedraw([this](Surface& target) { events_.afterRedraw(target); });

    connectCommands();
    layout_.install();
    time_.install();
    values_.install();
    drop_.install();
    readout_.install();
    // Ticks from the moment the window exists; the tick does nothing while real-time mode is
    // off.
    c_.Timer1->start();
}

frmMain::~frmMain() {
    // The language object reports to this window; it must not outlive it.
    state_.Lang.reset();
}

void frmMain::connectCommands() {
    texts_.connectCommands(*this, redraws_);
    products_.connectCommands(*this, redraws_);
    settings_.connectCommands(*this, redraws_);
    open_.connectCommands(*this);
    time_.connectCommands(*this);
    values_.connectCommands(*this);
    series_.connectCommands(*this);
    drawStyle_.connectCommands(*this);
    alarmBands_.connectCommands(*this);
    readout_.connectCommands(*this);
    realtime_.connectCommands(*this);
    print_.connectCommands(*this);
    exports_.connectCommands(*this);
    events_.connectCommands(*this);
    dayReport_->connectCommands(*this);
    connect(c_.mnuAbout, &QAction::triggered, this, &frmMain::showAbout);
    connect(c_.Image1, &ClickableLabel::clicked, this, &frmMain::showAbout);
    connect(c_.mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(c_.Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
}

void frmMain::Form_Load() {
    state_.view.ScaleChangeOwner = kOwnerNone;
    // Each step tells whether it ran to its end. A failure brings the default settings; the
    // load then goes on with the next step.
    const std::array<std::function<bool()>, 4> steps{[this] { return settings_.RestoreSettings(); },
                                                     [this] {
                                                         // A file that cannot be read falls back to
                                                         // the built-in texts by itself.
                                                         LoadTexts(texts_.languageContext());
                                                         return true;
                                                     },
                                                     [this] {
                                                         InitWindow();
                                                         return true;
                                                     },
                                                     [this] {
                                                         // No log can be loaded before the window
                                                         // exists, so the load always ends in the
                                                         // no-log state.
                                                         EnableDataControls(false);
                                                         return true;
                                                     }};
    for (const auto& step : steps)
        if (!step())
            settings_.useDefaultSettings();
}

void frmMain::InitWindow() {
    layout_.setOuterSizeTwips(kStartWindowWidthTwips, kStartWindowHeightTwips);
    c_.Legenda->resize(kLegendWidth, kLegendHeight);
    c_.Xas->setCurrentIndex(kStartSpanItem);
    c_.cmbGridX->setCurrentIndex(kStartGridStepItem);
    c_.hscGraphScroller->setEnabled(false);
    c_.hscGraphScroller->setMinimum(1);
}

frmAbout& frmMain::aboutBox() {
    if (!about_)
        about_ = new frmAbout(this, state_.WindowBackColor, state_.texts, state_.Lang.get());
    return *about_;
}

void frmMain::showAbout() {
    frmAbout& about = aboutBox();
    // Modal without a nested event loop: the main window takes no input until OK.
    about.setWindowModality(Qt::ApplicationModal);
    about.show();
    about.raise();
    about.activateWindow();
}

void frmMain::mnuExit_Click() {
    plot_.release();
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    plot_.release();
    if (about_)
        about_->close();
    // The print preview and any other window of the program go with the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    QMainWindow::closeEvent(event);
}

void frmMain::Timer1_Timer() {
    runGuarded([this] { realtime_.Timer1_Timer(); });
}

void frmMain::ApplyTexts() {
    texts_.ApplyTexts(aboutBox());
    events_.applyTexts();
}

void frmMain::checkEnglishMenu() {
    texts_.checkEnglishMenu();
}

void frmMain::EnableDataControls(bool enabled) {
    osk::EnableDataControls(c_, plot_, enabled);
    // Every load ends here, and so does every failed one: the analysis follows the table.
    events_.logChanged();
}

void frmMain::BuildTimeAxis(int plotWidth) {
    axes_.BuildTimeAxis(plotWidth);
}

void frmMain::BuildValueLabels(int labelHeight) {
    axes_.BuildValueLabels(labelHeight);
}

void frmMain::requestRedraw() {
    redraws_.request();
}

void frmMain::redrawNow(Surface& surface, bool& scrollFlag) {
    plot_.redraw(surface, scrollFlag);
}

void frmMain::InitAfterLoad() {
    open_.InitAfterLoad();
}

void frmMain::ShowNewest() {
    time_.ShowNewest();
}

void frmMain::setCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

int frmMain::plotOuterWidth() const {
    return c_.pGraph->width();
}

int frmMain::plotOuterHeight() const {
    return c_.pGraph->height();
}

int frmMain::plotInnerHeight() const {
    return std::max(0, c_.pGraph->height() - 2 * PictureBox::kBorder);
}

} // namespace osk
