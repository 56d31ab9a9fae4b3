// The started program with logs to open: generated or hand-written log files in a folder of
// the test's own, opened through the Open File command the way a user opens them.
#pragma once

#include "gui/app/ProgramFixture.h"
#include "gui/support/GeneratedLog.h"

#include "LogGenerator.h"
#include "graph/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include <filesystem>
#include <string>

namespace osk::test {

class LogWindowFixture : public ProgramFixture {
protected:
    static constexpr const char* kStart = kLogStart;

    void SetUp() override { startReturning(); }

    // A generated log of records records from start (one every 10 seconds).
    std::string writeLog(const std::string& name, int64_t records,
                         const std::string& start = kStart) {
        return logs.write(name, generatedLog(records, start)).string();
    }

    // The Open File command with path chosen in the chooser.
    void open(const std::filesystem::path& path) {
        dialogs.chooseFile(path.string());
        c->mnuOpenFile->trigger();
    }
    void openLog(int64_t records, const std::string& start = kStart) {
        open(writeLog("log.csv", records, start));
    }

    std::string timeLabel(size_t i) const { return c->lblScaleXas[i]->text().toStdString(); }
    // A date label as the user sees it: "" while hidden.
    std::string dateLabel(size_t i) const {
        return c->lblDataXas[i]->isHidden() ? "" : c->lblDataXas[i]->text().toStdString();
    }

    // A left button press or release on pGraph, at picture pixels as the read-out counts them.
    void plotMouse(QEvent::Type type, QPoint picture) {
        const QPointF local = picture + QPoint(PictureBox::kBorder, PictureBox::kBorder);
        QMouseEvent event(type, local, c->pGraph->mapToGlobal(local), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(c->pGraph, &event);
    }

    TempDir logs;
};

} // namespace osk::test
