// A user who never stops clicking: long seeded runs of random actions on the main window, with
// what the window shows checked against its state after every action. OSK_MONKEY_STEPS and
// OSK_MONKEY_SEED choose the run; OSK_MONKEY_TRACE=1 prints each action as it starts.
#include "gui/app/ProgramFixture.h"

#include "print/PrintController.h"
#include "print/frmPreview.h"
#include "view/TimeLabels.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QPrinter>
#include <QTest>
#include <QUrl>
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
        // Some value fields of every 7th record are text or empty.
        {"odd.csv",
         [] {
             return withRecordsChanged(generatedLog(700), [](int n, QStringList& f) {
                 if (n % 7 == 0 && f.size() > 12) {
                     f[9] = QStringLiteral("n/a");
                     f[12].clear();
                 }
             });
         }},
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
            const bool live = state.records.RealtimeOn;
            ticksInBoxes += chance(25) && tickAt(chance(50) ? 1 : 31) && live;
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
            std::vector<int> drawn{1};
            for (int slot = 1; slot + 1 < kPlotSlots; slot += 2)
                if (p.at(r, slot + 1) != 0)
                    drawn.push_back(slot);
            const int last = int(drawn.size()) - 1;
            const int slot = last ? drawn[static_cast<size_t>(pick(1, last))] : 1;
            return {p.at(r, 0) + pick(-5, 5), p.at(r, slot) + pick(-5, 5)};
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
            controlsMayBeStale = false, loadAttempted = true;
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

    // A file dragged from elsewhere over the window and dropped on it.
    void drop(const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        const QPoint at(window->width() / 2, window->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &dropped);
        // The open follows once the drop has returned.
        QCoreApplication::processEvents();
        loadAttempted = true;
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
        loadAttempted = state.records.RealtimeOn && (second == 1 || second == 31);
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
    int64_t readouts = 0, ticksInBoxes = 0, liveRecords = 0;
    int refreshesToWait = 0, savedFiles = 0, promptsThisAction = 0;
    // loadAttempted: a file was opened, dropped or read by a refresh during the action.
    // labelsMayBeStale: a record time that is no time keeps the axis as it was; the next load
    // without such a fault builds it anew. controlsMayBeStale: a real-time refresh that finds no
    // usable log leaves the data controls as they were; an open of a file or a successful
    // refresh makes them follow the loaded state again.
    bool loadAttempted = false, labelsMayBeStale = false, controlsMayBeStale = false;
    TempDir out;

    void runSession();
    // What the user can do, and how often against each other. New commands go here.
    static const std::vector<ActionKind>& actionKinds();

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

// The span list's entries from the top: hours across the plot and minutes between labels.
constexpr std::pair<int, int> kSpanItems[] = {{192, 960}, {96, 480}, {48, 240}, {24, 120},
                                              {12, 60},   {6, 30},   {3, 15}};

std::string clockText(int minutesOfDay) {
    const int m = ((minutesOfDay % 1440) + 1440) % 1440;
    return std::to_string(m / 60) + ":" + (m % 60 < 10 ? "0" : "") + std::to_string(m % 60);
}

// The time axis belongs to the window's end, the span and the plot's width: the rightmost
// label is the next full hour after the record before the end, the labels step back from it by
// the span's label step, the rightmost date label is the end record's day, and the scroller
// stands at the end.
void RandomSession::expectTimeLabels(const std::string& step) {
    const RecordTable& r = state.records;
    ASSERT_TRUE(r.ViewEndRecord >= 1 && r.ViewEndRecord <= r.RecordCount) << step;
    EXPECT_EQ(std::tuple(c->hscGraphScroller->maximum(), c->hscGraphScroller->value()),
              std::tuple(r.RecordCount, r.ViewEndRecord))
        << step;
    if (labelsMayBeStale)
        return;
    const TimeAxis& axis = state.view.TimeAxis;
    EXPECT_DOUBLE_EQ(axis.LastRecord, r.RecordCount - 1) << step;
    EXPECT_NEAR(axis.PixelsPerRecord * axis.SpanRecords, c->pGraph->width(), 1e-6) << step;
    if (r.ViewEndRecord < 2)
        return;
    // "YYYY-MM-DD hh:mm:ss" of the record before the end.
    const std::string before = r.RecordTime[static_cast<size_t>(r.ViewEndRecord) - 1];
    ASSERT_GE(before.size(), 8u) << step;
    const int hour = std::atoi(before.substr(before.size() - 8, 2).c_str()),
              minute = std::atoi(before.substr(before.size() - 5, 2).c_str());
    EXPECT_EQ(state.view.HourOffsetRecords, (60 - minute) * 6) << step;
    const int item = c->Xas->currentIndex();
    ASSERT_TRUE(item >= 0 && item < 7) << step;
    const auto [hours, labelMinutes] = kSpanItems[item];
    EXPECT_DOUBLE_EQ(axis.SpanRecords, hours * 360 - state.view.HourOffsetRecords) << step;
    for (int i = 0; i < kTimeLabels; ++i)
        EXPECT_EQ(timeLabel(static_cast<size_t>(i)),
                  clockText((hour + 1) % 24 * 60 - (12 - i) * labelMinutes))
            << step << ": time label " << i;
    const std::string end = r.RecordTime[static_cast<size_t>(r.ViewEndRecord)];
    EXPECT_EQ(dateLabel(12), end.size() < 10 ? "?" : end.substr(8, 2) + "-" + end.substr(5, 2))
        << step;
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
// under the plot, its time and date in the pop-up.
void RandomSession::expectReadout(const std::string& step, QPoint pressedAt) {
    if (!c->ToolTipje->isVisibleTo(c->pGraph))
        return;
    ++readouts;
    ASSERT_TRUE(c->lblRecords->text().startsWith(QStringLiteral("record nr. "))) << step;
    const int32_t k = c->lblRecords->text().mid(11).toInt();
    const PlotPointTable& p = state.render.PlotPoints;
    const auto near = [](int32_t a, int b) { return a > b - 5 && a < b + 5; };
    bool hit = false;
    for (int slot = 1; slot < kPlotSlots; slot += 2)
        hit = hit || near(p.at(k, slot), pressedAt.y());
    EXPECT_TRUE(k >= 1 && near(p.at(k, 0), pressedAt.x()) && hit)
        << step << ": read-out of record " << k << " drawn at x " << p.at(k, 0);
    const std::string time = state.records.RecordTime[static_cast<size_t>(k)];
    const QStringList lines = c->ToolTipje->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4) << step;
    // The time line holds the time text from its first blank on, or all of it without one.
    const size_t blank = time.find(' ');
    const std::string clock = blank == std::string::npos ? time : time.substr(blank);
    EXPECT_TRUE(lines[1].endsWith(QString::fromStdString("= " + clock)))
        << step << ": " << lines[1].toStdString() << " for " << time;
    EXPECT_TRUE(lines[2].endsWith(QString::fromStdString("= " + time.substr(0, 10))))
        << step << ": " << lines[2].toStdString() << " for " << time;
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

std::optional<std::string> clickBar(RandomSession& s, QScrollBar* bar) {
    if (!RandomSession::usable(bar))
        return std::nullopt;
    using A = QAbstractSlider;
    static const std::pair<A::SliderAction, const char*> arrows[] = {
        {A::SliderSingleStepAdd, "arrow +"},
        {A::SliderSingleStepSub, "arrow -"},
        {A::SliderPageStepAdd, "page +"},
        {A::SliderPageStepSub, "page -"}};
    const auto& [action, name] = arrows[s.pick(0, 3)];
    bar->triggerAction(action);
    return name;
}

std::optional<std::string> keyOnBar(RandomSession& s, QScrollBar* bar) {
    if (!RandomSession::usable(bar))
        return std::nullopt;
    static const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const Qt::Key key = keys[s.pick(0, 7)];
    bar->setFocus();
    QTest::keyClick(bar, key);
    return QKeySequence(key).toString().toStdString();
}

// The thumb dragged over a few positions and let go at the last.
std::optional<std::string> dragBar(RandomSession& s, QScrollBar* bar) {
    if (!RandomSession::usable(bar))
        return std::nullopt;
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
std::optional<std::string> wheelOnBar(RandomSession& s, QScrollBar* bar) {
    if (!RandomSession::usable(bar))
        return std::nullopt;
    const int notch = s.chance(50) ? 120 : -120;
    const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
    QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &wheel);
    return std::to_string(notch);
}

std::optional<std::string> chooseItem(RandomSession& s, QComboBox* list) {
    if (!RandomSession::usable(list) || list->count() == 0)
        return std::nullopt;
    const int i = s.pick(0, list->count() - 1);
    list->setCurrentIndex(i);
    return list->itemText(i).toStdString();
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
        {"span", 4, [](S& s) { return chooseItem(s, s.c->Xas); }},
        {"grid list", 2, [](S& s) { return chooseItem(s, s.c->cmbGridX); }},
        {"draw style", 2, [](S& s) { return chooseItem(s, s.c->cboDrawStyle); }},
        {"time scroller key", 6, [](S& s) { return keyOnBar(s, s.c->hscGraphScroller); }},
        {"time scroller arrow", 5, [](S& s) { return clickBar(s, s.c->hscGraphScroller); }},
        {"time scroller drag", 2, [](S& s) { return dragBar(s, s.c->hscGraphScroller); }},
        {"upper bar", 3, [](S& s) { return dragBar(s, s.c->vscScaleMax); }},
        {"upper bar key", 2, [](S& s) { return keyOnBar(s, s.c->vscScaleMax); }},
        {"lower bar", 3, [](S& s) { return dragBar(s, s.c->vscScaleMin); }},
        {"lower bar arrow", 2, [](S& s) { return clickBar(s, s.c->vscScaleMin); }},
        {"value scroller", 3, [](S& s) { return dragBar(s, s.c->vscGraphScroller); }},
        {"value scroller arrow", 2, [](S& s) { return clickBar(s, s.c->vscGraphScroller); }},
        {"grid step bar", 2, [](S& s) { return dragBar(s, s.c->hsGridY); }},
        {"time scroller wheel", 2, [](S& s) { return wheelOnBar(s, s.c->hscGraphScroller); }},
        {"value bar wheel", 2,
         [](S& s) {
             QScrollBar* const bars[] = {s.c->vscScaleMax, s.c->vscScaleMin, s.c->vscGraphScroller,
                                         s.c->hsGridY};
             return wheelOnBar(s, bars[s.pick(0, 3)]);
         }},
        {"grid step key", 1, [](S& s) { return keyOnBar(s, s.c->hsGridY); }},
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
        {"language", 1,
         [](S& s) { return triggerIfEnabled(s.chance(50) ? s.c->mnuNed : s.c->mnuEng); }},
        {"product system", 2,
         [](S& s) {
             QAction* const systems[] = {s.c->mnuFreeChlorine, s.c->mnuPeroxide, s.c->mnuTarvox};
             return triggerIfEnabled(systems[s.pick(0, 2)]);
         }},
        {"printer colours", 1,
         [](S& s) {
             return triggerIfEnabled(s.chance(50) ? s.c->mnuColorPrinter : s.c->mnuBlackWhite);
         }},
        {"press on plot", 4, [](S& s) { return s.mouseOnPlot(QEvent::MouseButtonPress); }},
        {"release on plot", 3, [](S& s) { return s.mouseOnPlot(QEvent::MouseButtonRelease); }},
        {"print preview", 1, [](S& s) { return triggerIfEnabled(s.c->mnuAfdrukVoorbeeld); }},
        {"print, cancelled", 1, [](S& s) { return triggerIfEnabled(s.c->mnuAfdrukken); }},
        {"save picture", 1, [](S& s) { return triggerIfEnabled(s.c->mnuSavePicture); }},
        {"copy picture", 1, [](S& s) { return triggerIfEnabled(s.c->mnuCopyPicture); }},
        {"export data", 1, [](S& s) { return triggerIfEnabled(s.c->mnuExportData); }},
        {"export events", 1, [](S& s) { return triggerIfEnabled(s.c->mnuExportEvents); }},
        {"export day figures", 1, [](S& s) { return triggerIfEnabled(s.c->mnuExportDayFigures); }},
        {"alarm bands", 1, [](S& s) { return triggerIfEnabled(s.c->mnuAlarmBands); }},
        {"real time on", 1, [](S& s) { return triggerIfEnabled(s.c->mnuON); }},
        {"real time off", 2, [](S& s) { return triggerIfEnabled(s.c->mnuOFF); }},
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
    const bool trace = fromEnvironment("OSK_MONKEY_TRACE", 0) != 0;
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
    int64_t actions = 0, withLog = 0, live = 0;
    checkInvariants("start", redraws());
    for (uint64_t n = 1; n <= steps && !HasFailure(); ++n) {
        const ActionKind& kind = refreshesToWait > 0 ? refresh : actionKinds()[choose(rng)];
        if (trace)
            std::cout << n << ". " << kind.name << std::endl;
        promptsThisAction = 0, loadAttempted = false;
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
        bool timeFault = false, message = false;
        for (size_t i = promptsBefore; i < dialogs.prompts.size(); ++i) {
            step += " [" + dialogs.prompts[i].text + "]";
            timeFault = timeFault || dialogs.prompts[i].text == kTimeFaultMessage;
            message = message || dialogs.prompts[i].kind == Prompt::Kind::Message;
        }
        labelsMayBeStale =
            timeFault || (labelsMayBeStale && !(loadAttempted && state.records.FileLoaded));
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
        live += state.records.RealtimeOn;
    }
    std::cout << "random session: " << actions << " actions, " << withLog << " with a log loaded, "
              << live << " in real time, " << readouts << " read-outs, " << ticksInBoxes
              << " refreshes inside boxes, " << dialogs.prompts.size() << " prompts" << std::endl;
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
