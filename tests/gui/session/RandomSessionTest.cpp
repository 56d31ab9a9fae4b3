// A user who never stops clicking: long seeded runs of random actions on the main window, with
// what the window shows checked against its state after every action. OSK_MONKEY_STEPS and
// OSK_MONKEY_SEED choose the run.
#include "gui/app/ProgramFixture.h"

#include "print/PrintController.h"
#include "view/TimeAxisBuilder.h"

#include <QGroupBox>
#include <QPrinter>
#include <QTest>
#include <QWheelEvent>

#include <iostream>
#include <random>

namespace osk::test {
namespace {

constexpr int kDefaultSteps = 250;
constexpr uint64_t kDefaultSeed = 20261207;
// Prompts one action may raise before every further one is cancelled or answered No, so that
// a dialog loop (choose again?) ends.
constexpr int kPromptsPerAction = 6;

uint64_t fromEnvironment(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// The log with some fields of record line n (the header is line 0) changed by change.
std::string withRecordsChanged(const std::string& log,
                               const std::function<void(int n, QStringList& fields)>& change) {
    QStringList lines = QString::fromStdString(log).split(QLatin1Char('\n'));
    for (int n = 1; n < lines.size(); ++n) {
        QStringList fields = lines[n].split(QLatin1Char(','));
        change(n, fields);
        lines[n] = fields.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('\n')).toStdString();
}

// The log with a header line that is not the logger's.
std::string otherHeader(const std::string& log) {
    return "Some,other,file\r\n" + log.substr(log.find('\n') + 1);
}

// The log shapes the user opens, written once per run.
const std::vector<std::pair<const char*, std::function<std::string()>>>& logShapes() {
    using O = genlog::LogOptions;
    static const std::vector<std::pair<const char*, std::function<std::string()>>> shapes{
        {"three.csv", [] { return generatedLog(3); }},
        {"hundreds.csv", [] { return generatedLog(437, "2024-03-01 10:23:40"); }},
        {"day.csv", [] { return generatedLog(8640); }},
        {"midnight.csv",
         [] { return generatedLog(3000, "2024-02-28 22:41:10", [](O& o) { o.crlf = false; }); }},
        {"gaps.csv",
         [] {
             return generatedLog(6000, "2024-03-01 05:00:00", [](O& o) {
                 o.gapAfter = 2500;
                 o.gapMinutes = 200;
             });
         }},
        {"full.csv", [] { return generatedLog(19999, "2024-12-31 04:12:30"); }},
        {"toolong.csv", [] { return generatedLog(20400); }},
        {"wide.csv", [] { return generatedLog(900, kLogStart, [](O& o) { o.wideLine = 450; }); }},
        // Records just before the newest whose hour is no number.
        {"badtime.csv",
         [] {
             return withRecordsChanged(
                 generatedLog(3000, "2024-03-01 10:00:00"), [](int n, QStringList& f) {
                     if (n >= 2985 && n < 2999 && f.size() > 3 && f[3].size() >= 19)
                         f[3].replace(11, 2, QStringLiteral("x7"));
                 });
         }},
        {"badheader.csv", [] { return otherHeader(generatedLog(50)); }},
        {"empty.csv", [] { return std::string(); }},
    };
    return shapes;
}

class RandomSession;

// One kind of user action: it does what it names and tells the step list what it did, or
// returns nullopt without touching anything when the user could not do it now.
struct ActionKind {
    const char* name;
    int weight;
    std::function<std::optional<std::string>(RandomSession&)> run;
};

class RandomSession : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        ASSERT_NE(window, nullptr);
        for (const auto& [name, text] : logShapes())
            logs.write(name, text());
        store(settings::kDataDir, companion.path().string());
        setLiveRecords(40);
        // The preview needs a printer; it writes into a file nobody reads.
        QPrinter& printer = window->printing().printer().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((out.path() / "page.pdf").string()));
        dialogs.improvise = [this](const Prompt& p) { improvise(p); };
        // A box stays open long enough now and then for Timer1 to tick in its event loop.
        dialogs.whileOpen = [this] {
            if (chance(25))
                tickAt(chance(50) ? 1 : 31);
        };
    }

public:
    std::mt19937_64 rng;

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    // Somewhere on the picture, or near a drawn point of some series now and then.
    QPoint somewhereOnThePlot() {
        const PlotPointTable& p = state.render.PlotPoints;
        const int32_t oldest = state.render.DrawnOldest, newest = state.render.DrawnNewest;
        if (newest > 0 && chance(60)) {
            const int32_t r = pick(oldest, newest);
            const int slot = 1 + 2 * pick(0, kPlotSlots / 2 - 1); // the product's if none there
            return {p.at(r, 0) + pick(-5, 5), p.at(r, p.at(r, slot + 1) ? slot : 1) + pick(-5, 5)};
        }
        return {pick(-2, c->pGraph->width()), pick(-2, c->pGraph->height())};
    }

    const char* someLog() {
        return logShapes()[size_t(pick(0, int(logShapes().size()) - 1))].first;
    }

    // The user works a control only while it is enabled and on screen.
    static bool usable(const QWidget* w) { return w->isEnabled() && w->isVisibleTo(w->window()); }

    // The Open File command with that file chosen, or cancelled without a name.
    std::optional<std::string> openFile(const char* name) {
        if (!c->mnuOpenFile->isEnabled())
            return std::nullopt;
        pendingOpen.emplace();
        if (name)
            pendingOpen->emplace((logs.path() / name).string());
        c->mnuOpenFile->trigger();
        pendingOpen.reset();
        if (name)
            controlsMayBeStale = false;
        return std::string(name ? name : "");
    }

    // A press or release of the mouse button on the plot. Without a log the press does nothing: a
    // pop-up still open from an earlier press stays.
    std::optional<std::string> mouseOnPlot(QEvent::Type type) {
        const QPoint p = somewhereOnThePlot();
        plotMouse(type, p);
        if (type == QEvent::MouseButtonPress && state.records.FileLoaded)
            pressedAt = p;
        return std::to_string(p.x()) + "," + std::to_string(p.y());
    }

    std::string setLiveRecords(int64_t records) {
        liveRecords = records;
        companion.write("Realtime.csv", generatedLog(records, "2024-03-04 21:30:00"));
        return std::to_string(records);
    }
    // A tick of Timer1 at that second, if it is running; the clock then stands at a second that
    // refreshes nothing, so that a tick inside another action's event processing reads no file.
    bool tickAt(int second) {
        if (!c->Timer1->isActive())
            return false;
        clock.second = second;
        window->realtime().Timer1_Timer();
        clock.second = 0;
        return true;
    }

    // The answer the next Open dialog of the open command gets: a path or a cancellation.
    std::optional<std::optional<std::string>> pendingOpen;
    // Where the last action pressed the mouse button on the plot, if it did.
    std::optional<QPoint> pressedAt;
    // The name typed into the Save dialog during the action, if one was.
    std::optional<std::string> chosenSave;
    // refreshesToWait: refreshes still to come before the user acts again.
    int64_t liveRecords = 0;
    int refreshesToWait = 0, savedFiles = 0, promptsThisAction = 0;
    // controlsMayBeStale: a real-time refresh that finds no
    // usable log leaves the data controls as they were; an open of a file or a successful
    // refresh makes them follow the loaded state again.
    bool controlsMayBeStale = false;
    TempDir out;

    void runSession();
    // What the user can do, and how often against each other. New commands go here.
    static const std::vector<ActionKind>& actionKinds();
    static std::optional<std::string> onSomeBar(RandomSession& s,
                                                std::string (*work)(RandomSession&, QScrollBar*));

private:
    void improvise(const Prompt& p);
    void checkInvariants(const std::string& step, int64_t redrawsBefore);
    void expectTimeLabels(const std::string&step), expectValueLabels(const std::string&step),
        expectEnabledStates(const std::string&step), expectSeriesBoxes(const std::string&step),
        expectReadout(const std::string&step, QPoint pressedAt);
};

void RandomSession::improvise(const Prompt& p) {
    const bool giveUp = ++promptsThisAction > kPromptsPerAction;
    switch (p.kind) {
    case Prompt::Kind::Question:
        !giveUp&& chance(50) ? dialogs.answerYes() : dialogs.answerNo();
        break;
    case Prompt::Kind::OpenFile:
        if (pendingOpen && !giveUp) {
            *pendingOpen ? dialogs.chooseFile(**pendingOpen) : dialogs.cancelFile();
            pendingOpen.reset();
        } else if (giveUp || chance(30)) {
            dialogs.cancelFile();
        } else {
            // The companion's executable in either letter case, a file that is not it, or none.
            static const char* const choices[] = {"OSKRemote.exe", "oskremote.EXE", "notes.txt",
                                                  ""};
            const std::string name = choices[pick(0, 3)];
            dialogs.chooseFile(name.empty() ? "" : (companion.path() / name).string());
        }
        break;
    case Prompt::Kind::SaveFile:
        if (giveUp || chance(20)) {
            dialogs.cancelSave();
        } else {
            chosenSave = "saved" + std::to_string(++savedFiles);
            // Two fields between the "|" of the filter for each file type.
            const int types =
                (int(std::count(p.save.filter.begin(), p.save.filter.end(), '|')) + 1) / 2;
            dialogs.saveFile((out.path() / *chosenSave).string(), pick(1, std::max(1, types)));
        }
        break;
    case Prompt::Kind::Print:
        dialogs.cancelPrint();
        break;
    default:
        break;
    }
}

// The time axis belongs to the window's end, the span and the plot's width: the labels and the
// scale are what the axis builder makes of them now, and the scroller stands at the end.
void RandomSession::expectTimeLabels(const std::string& step) {
    const RecordTable& r = state.records;
    ASSERT_TRUE(r.ViewEndRecord >= 1 && r.ViewEndRecord <= r.RecordCount) << step;
    EXPECT_EQ(std::tuple(c->hscGraphScroller->maximum(), c->hscGraphScroller->value()),
              std::tuple(r.RecordCount, r.ViewEndRecord))
        << step;
    const TimeAxis& axis = state.view.TimeAxis;
    EXPECT_DOUBLE_EQ(axis.LastRecord, r.RecordCount - 1) << step;
    EXPECT_NEAR(axis.PixelsPerRecord * axis.SpanRecords, c->pGraph->width(), 1e-6) << step;
    std::vector<std::string> items;
    for (int i = 0; i < c->Xas->count(); ++i)
        items.push_back(c->Xas->itemText(i).toStdString());
    const std::string span = c->Xas->currentText().toStdString();
    ViewState now = state.view;
    const TimeAxisLayout want =
        BuildTimeAxis(now, {r.RecordTime, r.ViewEndRecord, r.RecordCount, span, items, 1000, 1000});
    EXPECT_EQ(std::tuple(state.view.HourOffsetRecords, axis.SpanRecords),
              std::tuple(now.HourOffsetRecords, now.TimeAxis.SpanRecords))
        << step;
    for (size_t i = 0; i < kTimeLabels; ++i)
        EXPECT_EQ(std::tuple(timeLabel(i), dateLabel(i)),
                  std::tuple(want.timeLabels[i].caption, want.dateLabels[i].caption))
            << step << ": label " << i;
}

// The bars, their captions, the axis the drawing uses and the labels beside the plot agree.
void RandomSession::expectValueLabels(const std::string& step) {
    const ValueAxis& axis = state.view.ValueAxis;
    const int low = c->vscScaleMin->value(), high = c->vscScaleMax->value();
    EXPECT_LT(low, high) << step;
    const auto number = [](const QLabel* l) {
        bool ok = false;
        const double v = l->text().replace(u',', u'.').toDouble(&ok);
        return ok ? v : -1e9;
    };
    EXPECT_EQ(std::tuple(axis.Min, axis.Max, number(c->lblScale[0]), number(c->lblScale[10])),
              std::tuple(double(low), double(high), double(high), double(low)))
        << step;
    EXPECT_EQ(QStringList({c->lblMin[0]->text(), c->lblMin[1]->text(), c->lblYValue->text()}),
              QStringList({QString::number(low), QString::number(high),
                           QString::number(c->hsGridY->value())}))
        << step;
    // Built for the plot's height as it is now (the callers pass its inner or outer height, less
    // 5 or not).
    const int height = c->pGraph->height();
    EXPECT_GE(axis.PixelsPerUnit * axis.Range, height - 2 * PictureBox::kBorder - 5 - 1e-6) << step;
    EXPECT_LE(axis.PixelsPerUnit * axis.Range, height + 1e-6) << step;
    // Every drawn point lies on the picture; only the oldest one drawn may lie left of it.
    const int32_t oldest = state.render.DrawnOldest;
    const double width = c->pGraph->surface().scaleWidth();
    for (int32_t r = oldest; r <= state.render.DrawnNewest && r > 0; ++r) {
        const int32_t x = state.render.PlotPoints.at(r, 0);
        if (x > width || (x < 0 && r != oldest)) {
            ADD_FAILURE() << step << ": record " << r << " drawn at x " << x << " of " << width
                          << " (drawn from " << oldest << ")";
            return;
        }
    }
}

void RandomSession::expectEnabledStates(const std::string& step) {
    const bool loaded = state.records.FileLoaded, live = state.records.RealtimeOn;
    EXPECT_EQ(
        std::tuple(c->mnuOpenFile->isEnabled(), c->mnuON->isChecked(), c->mnuOFF->isChecked()),
        std::tuple(!live, live, !live))
        << step;
    if (!loaded && controlsMayBeStale)
        return;
    const QWidget* const controls[] = {c->Xas,          c->cmbGridX,         c->vscScaleMin,
                                       c->vscScaleMax,  c->vscGraphScroller, c->hsGridY,
                                       c->cboDrawStyle, c->chkItem[0],       c->cmdItem[3]};
    for (const QWidget* w : controls)
        EXPECT_EQ(w->isEnabled(), loaded) << step << ": " << w->objectName().toStdString();
    for (const QAction* a :
         {c->mnuAfdrukVoorbeeld, c->mnuAfdrukken, c->mnuSavePicture, c->mnuCopyPicture,
          c->mnuExportData, c->mnuExportEvents, c->mnuExportDayFigures})
        EXPECT_EQ(a->isEnabled(), loaded) << step << ": " << a->objectName().toStdString();
    EXPECT_EQ(c->lblScaleXas[0]->isVisibleTo(window.get()), loaded) << step;
}

// The boxes show the selection the drawing uses: the group boxes always, the panel's first four
// boxes for the group it shows (the last two keep whatever they were given last). (The draw
// style list may show another style than the one drawn: renewing the texts selects "Line" in it
// without a change of style.)
void RandomSession::expectSeriesBoxes(const std::string& step) {
    const SeriesSelection& on = state.render.SeriesOn;
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ(c->chkItem[static_cast<size_t>(g)]->isChecked(), on.get(g, 0) != 0)
            << step << ": group " << g;
    for (int k = 1; k <= 4 && c->fraChoses->isVisibleTo(window.get()) && state.ChoicesReady; ++k)
        EXPECT_EQ(c->chkItems2[static_cast<size_t>(k)]->isChecked(),
                  on.get(state.ChoiceGroup, k) != 0)
            << step << ": group " << state.ChoiceGroup << " item " << k;
}

// A read-out describes a drawn point strictly within 5 pixels of the press: the record named
// under the plot. (What the pop-up's lines say of it is the core's.)
void RandomSession::expectReadout(const std::string& step, QPoint pressedAt) {
    if (!c->ToolTipje->isVisibleTo(c->pGraph))
        return;
    ASSERT_TRUE(c->lblRecords->text().startsWith(QStringLiteral("record nr. "))) << step;
    const int32_t k = c->lblRecords->text().mid(11).toInt();
    const PlotPointTable& p = state.render.PlotPoints;
    const auto near = [](int32_t a, int b) { return a > b - 5 && a < b + 5; };
    bool hit = false;
    for (int slot = 1; slot < kPlotSlots; slot += 2)
        hit = hit || near(p.at(k, slot), pressedAt.y());
    EXPECT_TRUE(k >= 1 && near(p.at(k, 0), pressedAt.x()) && hit)
        << step << ": read-out of record " << k << " drawn at x " << p.at(k, 0);
}

void RandomSession::checkInvariants(const std::string& step, int64_t redrawsBefore) {
    EXPECT_LE(redraws() - redrawsBefore, 1) << step;
    expectEnabledStates(step);
    expectSeriesBoxes(step);
    if (pressedAt)
        expectReadout(step, *pressedAt);
    if (state.records.FileLoaded && state.records.RecordCount >= 1) {
        expectTimeLabels(step);
        expectValueLabels(step);
    }
}

// An arrow, page or end key on the bar (the keys do what its arrows and trough do).
std::string keyOnBar(RandomSession& s, QScrollBar* bar) {
    static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const Qt::Key key = keys[s.pick(0, 7)];
    bar->setFocus();
    QTest::keyClick(bar, key);
    return QKeySequence(key).toString().toStdString();
}

// The thumb dragged over a few positions and let go at the last.
std::string dragBar(RandomSession& s, QScrollBar* bar) {
    std::string what = "over";
    bar->setSliderDown(true);
    for (int moves = s.pick(1, 3); moves > 0; --moves) {
        const int v = s.pick(bar->minimum(), bar->maximum());
        bar->setSliderPosition(v);
        what += " " + std::to_string(v);
    }
    bar->setSliderDown(false);
    return what;
}

// One notch of the mouse wheel over the bar, either way.
std::string wheelOnBar(RandomSession& s, QScrollBar* bar) {
    const int notch = s.chance(50) ? 120 : -120;
    const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
    QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &wheel);
    return std::to_string(notch);
}

// One of the scroll bars worked, the time scroller twice as often as each of the others.
std::optional<std::string>
RandomSession::onSomeBar(RandomSession& s, std::string (*work)(RandomSession&, QScrollBar*)) {
    QScrollBar* const bars[] = {s.c->hscGraphScroller, s.c->hscGraphScroller, s.c->vscScaleMax,
                                s.c->vscScaleMin,      s.c->vscGraphScroller, s.c->hsGridY};
    QScrollBar* bar = bars[s.pick(0, 5)];
    if (!usable(bar))
        return std::nullopt;
    return bar->objectName().toStdString() + " " + work(s, bar);
}

std::optional<std::string> chooseItem(RandomSession& s, QComboBox* list) {
    if (!RandomSession::usable(list) || list->count() == 0)
        return std::nullopt;
    const int i = s.pick(0, list->count() - 1);
    list->setCurrentIndex(i);
    return list->objectName().toStdString() + " " + list->itemText(i).toStdString();
}

std::optional<std::string> triggerIfEnabled(QAction* action) {
    if (!action->isEnabled())
        return std::nullopt;
    action->trigger();
    return action->objectName().toStdString();
}

// Box number n of boxes (a group's tick or "..." button, a sub-item's tick), if usable.
template <typename Boxes> std::optional<std::string> clickBox(const Boxes& boxes, int n) {
    QAbstractButton* button = boxes[static_cast<size_t>(n)];
    if (!RandomSession::usable(button))
        return std::nullopt;
    button->click();
    return std::to_string(n);
}

const std::vector<ActionKind>& RandomSession::actionKinds() {
    using S = RandomSession;
    using R = std::optional<std::string>;
    static const std::vector<ActionKind> kinds{
        {"open log", 6, [](S& s) { return s.openFile(s.someLog()); }},
        {"open missing file", 1, [](S& s) { return s.openFile("missing.csv"); }},
        {"cancel open", 1, [](S& s) { return s.openFile(nullptr); }},
        {"drop log", 2,
         [](S& s) -> R {
             const char* name = s.someLog();
             s.drop((s.logs.path() / name).string());
             return name;
         }},
        {"list item", 8,
         [](S& s) {
             QComboBox* const lists[] = {s.c->Xas, s.c->Xas, s.c->cmbGridX, s.c->cboDrawStyle};
             return chooseItem(s, lists[s.pick(0, 3)]);
         }},
        {"scroll bar key", 18, [](S& s) { return onSomeBar(s, keyOnBar); }},
        {"scroll bar drag", 13, [](S& s) { return onSomeBar(s, dragBar); }},
        {"scroll bar wheel", 4, [](S& s) { return onSomeBar(s, wheelOnBar); }},
        {"group tick", 5, [](S& s) { return clickBox(s.c->chkItem, s.pick(0, 3)); }},
        {"group ...", 2, [](S& s) { return clickBox(s.c->cmdItem, s.pick(0, 3)); }},
        {"sub-item tick", 4, [](S& s) { return clickBox(s.c->chkItems2, s.pick(1, 6)); }},
        {"close sub-items", 1,
         [](S& s) { return clickBox(std::array<QAbstractButton*, 1>{s.c->Command4}, 0); }},
        {"resize", 2,
         [](S& s) -> R {
             // Down to sizes where the plot has no room left.
             const bool tiny = s.chance(15);
             const int w = tiny ? s.pick(1, 250) : s.pick(250, 1300);
             const int h = tiny ? s.pick(1, 180) : s.pick(180, 950);
             s.window->resize(w, h);
             return std::to_string(w) + "x" + std::to_string(h);
         }},
        // Language, product system, printer colours, print, export, alarm band and real-time commands.
        {"menu entry", 16,
         [](S& s) {
             QAction* const entries[] = {s.c->mnuNed,          s.c->mnuEng,
                                         s.c->mnuFreeChlorine, s.c->mnuPeroxide,
                                         s.c->mnuTarvox,       s.c->mnuColorPrinter,
                                         s.c->mnuBlackWhite,   s.c->mnuAfdrukVoorbeeld,
                                         s.c->mnuAfdrukken,    s.c->mnuSavePicture,
                                         s.c->mnuCopyPicture,  s.c->mnuExportData,
                                         s.c->mnuExportEvents, s.c->mnuExportDayFigures,
                                         s.c->mnuAlarmBands,   s.c->mnuON,
                                         s.c->mnuOFF,          s.c->mnuOFF};
             return triggerIfEnabled(entries[s.pick(0, 17)]);
         }},
        {"press on plot", 4, [](S& s) { return s.mouseOnPlot(QEvent::MouseButtonPress); }},
        {"release on plot", 3, [](S& s) { return s.mouseOnPlot(QEvent::MouseButtonRelease); }},
        {"clock tick", 5,
         [](S& s) -> R {
             // Mostly the refreshing seconds: the others do nothing.
             const int second = std::array{1, 31, 1, 31, 17}[size_t(s.pick(0, 4))];
             return "second " + std::to_string(second) + (s.tickAt(second) ? "" : ", stopped");
         }},
        // Long enough for a file that stopped growing to be noticed (30 reads); the user does
        // nothing meanwhile, so the next steps are refreshes, each checked.
        {"wait", 1,
         [](S& s) -> R {
             if (!s.state.records.RealtimeOn)
                 return std::nullopt;
             s.refreshesToWait = 32;
             return "";
         }},
        {"live file grows", 3,
         [](S& s) -> R {
             // Now and then to just below or past the table's end.
             return s.setLiveRecords(s.chance(10) ? s.pick(19990, 20010)
                                                  : s.liveRecords + s.pick(1, 400));
         }},
        {"live file restarts", 1, [](S& s) -> R { return s.setLiveRecords(s.pick(0, 30)); }},
        {"live file spoilt", 1,
         [](S& s) -> R {
             // Cut off inside a line, a foreign header, or nothing.
             const std::string log = generatedLog(s.liveRecords);
             const int how = s.pick(0, 2);
             s.companion.write("Realtime.csv", how == 0   ? log.substr(0, log.size() * 3 / 4)
                                               : how == 1 ? otherHeader(log)
                                                          : std::string());
             return std::to_string(how);
         }},
        {"live file removed", 1,
         [](S& s) -> R {
             std::filesystem::remove(s.companion.path() / "Realtime.csv");
             return "";
         }},
    };
    return kinds;
}

void RandomSession::runSession() {
    const uint64_t seed = fromEnvironment("OSK_MONKEY_SEED", kDefaultSeed),
                   steps = fromEnvironment("OSK_MONKEY_STEPS", kDefaultSteps);
    std::cout << "random session: OSK_MONKEY_SEED=" << seed << " OSK_MONKEY_STEPS=" << steps
              << std::endl;
    rng.seed(seed);
    std::vector<int> weights;
    for (const ActionKind& k : actionKinds())
        weights.push_back(k.weight);
    std::discrete_distribution<size_t> choose(weights.begin(), weights.end());
    static const ActionKind refresh{"refresh", 0,
                                    [](RandomSession& s) -> std::optional<std::string> {
                                        s.tickAt(s.refreshesToWait-- % 2 ? 1 : 31);
                                        return "";
                                    }};

    std::string done; // the steps, one a line
    int64_t actions = 0, withLog = 0;
    checkInvariants("start", redraws());
    for (uint64_t n = 1; n <= steps && !HasFailure(); ++n) {
        const ActionKind& kind = refreshesToWait > 0 ? refresh : actionKinds()[choose(rng)];
        promptsThisAction = 0;
        pressedAt.reset(), chosenSave.reset();
        const size_t promptsBefore = dialogs.prompts.size();
        const int64_t before = redraws();
        const bool wasLive = state.records.RealtimeOn;
        const std::optional<std::string> what = kind.run(*this);
        controlsMayBeStale = !state.records.FileLoaded && (wasLive || controlsMayBeStale);
        if (!what) {
            --n; // the user could not do that now and does something else
            continue;
        }
        std::string step =
            std::to_string(++actions) + ". " + kind.name + (what->empty() ? "" : " " + *what);
        bool message = false;
        for (size_t i = promptsBefore; i < dialogs.prompts.size(); ++i) {
            step += " [" + dialogs.prompts[i].text + "]";
            message = message || dialogs.prompts[i].kind == Prompt::Kind::Message;
        }
        done += "  " + step + "\n";
        EXPECT_TRUE(dialogs.allAnswersUsed()) << step;
        checkInvariants(step, before);
        // A save that reports nothing has written a file of that name (with its type's extension).
        if (chosenSave && !message) {
            bool written = false;
            for (const auto& entry : std::filesystem::directory_iterator(out.path()))
                written = written || (entry.path().stem() == *chosenSave && entry.file_size() > 0);
            EXPECT_TRUE(written) << step << ": nothing written for " << *chosenSave;
        }
        withLog += state.records.FileLoaded;
    }
    std::cout << "random session: " << actions << " actions, " << withLog << " with a log loaded, "
              << dialogs.prompts.size() << " prompts" << std::endl;
    if (HasFailure())
        ADD_FAILURE() << "repeat with OSK_MONKEY_SEED=" << seed << " OSK_MONKEY_STEPS=" << actions
                      << "; the actions:\n"
                      << done;
}

TEST_F(RandomSession, EveryActionLeavesTheWindowConsistent) {
    runSession();
}

} // namespace
} // namespace osk::test
