// The window following the companion simulator while it writes: real processes, real files,
// the real settings store; only the clock's second is the test's.
#include "gui/realtime/RealtimeWindowFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QScrollBar>
#include <QThread>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace osk::test {
namespace {

// Complete lines of a file: a line still being written does not count.
int64_t completeLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n');
}

class RealtimeFollow : public RealtimeWindowFixture {
protected:
    ~RealtimeFollow() override {
        if (sim.state() != QProcess::NotRunning) {
            sim.kill();
            sim.waitForFinished(10000);
        }
    }

    void startSimulator() {
        sim.setProcessEnvironment(settingsFolder.environment());
        sim.start(QStringLiteral(OSK_COMPANION_SIM),
                  {QStringLiteral("--data-dir"), QString::fromStdString(dataDir.string()),
                   QStringLiteral("--interval-ms"), QStringLiteral("100"),
                   QStringLiteral("--records"), QStringLiteral("50")});
        ASSERT_TRUE(sim.waitForStarted(10000));
        // The simulator says so once its folder is complete and its DataDir stored.
        while (!sim.canReadLine())
            ASSERT_TRUE(sim.waitForReadyRead(30000)) << sim.readAllStandardError().toStdString();
    }

    // Waits, a bounded time, until the simulator has finished more records than the table has.
    void waitForNewRecords() {
        const std::filesystem::path file = dataDir / "Realtime.csv";
        const QDeadlineTimer deadline(20000);
        // The header line comes before the records.
        while (completeLines(file) < state.records.RecordCount + 1 + 2 && !deadline.hasExpired())
            QThread::msleep(20);
        ASSERT_FALSE(deadline.hasExpired()) << "the simulator wrote nothing new";
    }

    void expectNewestShown() {
        const int32_t n = state.records.RecordCount;
        EXPECT_EQ(c->lblRecords->text(), QStringLiteral("Records: %1").arg(n));
        EXPECT_EQ(c->hscGraphScroller->value(), n);
        // The newest record is drawn: its point has a place in the plot.
        EXPECT_NE(state.render.PlotPoints.at(n, 0), 0) << "record " << n;
    }

    std::filesystem::path dataDir = companion.path() / "sim";
    QProcess sim;
};

TEST_F(RealtimeFollow, FollowsTheSimulatorOverSeveralRefreshes) {
    startSimulator();
    on();
    ASSERT_TRUE(dialogs.prompts.empty());
    expectModeAndCaption(true);
    c->chkItem[0]->setChecked(true); // the product series, drawn once a log is there

    const int64_t before = redraws();
    tickAt(1);
    ASSERT_TRUE(state.records.FileLoaded);
    const int32_t first = state.records.RecordCount;
    EXPECT_GE(first, 50);
    expectNewestShown();

    int32_t last = first;
    for (int second : {31, 1}) {
        waitForNewRecords();
        tickAt(second);
        ASSERT_TRUE(state.records.FileLoaded);
        EXPECT_GT(state.records.RecordCount, last);
        last = state.records.RecordCount;
        expectNewestShown();
    }
    EXPECT_EQ(redraws(), before + 3);
    EXPECT_EQ(window->realtime().mode().RealtimeFailCount(), 0);
    EXPECT_TRUE(dialogs.prompts.empty());

    off();
    expectModeAndCaption(false);
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitCode(), 0);
}

} // namespace
} // namespace osk::test
