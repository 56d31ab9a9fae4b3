// The test print queue: makes sure the local print system runs with the PDF queue (through
// scripts/cups-test-queue), and finds and reads the PDFs that the queue writes.
#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QThread>

#include <optional>
#include <string>

namespace osk::test {

inline constexpr const char* kTestQueue = "OSK_Test_PDF";

struct ToolRun {
    bool ran = false;
    int exitCode = -1;
    QString out;
    QString err;
};

inline ToolRun runTool(const QString& program, const QStringList& args, int timeoutMs = 60000) {
    QProcess p;
    p.start(program, args);
    ToolRun r;
    if (!p.waitForStarted(timeoutMs)) {
        r.err = program + QStringLiteral(" did not start: ") + p.errorString();
        return r;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(5000);
        r.err = program + QStringLiteral(" did not finish in time");
        return r;
    }
    r.ran = p.exitStatus() == QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

class PrintQueue {
public:
    // Runs the set-up script; problem() says why the queue is not there when it is not.
    PrintQueue() {
        const ToolRun r = runTool(QStringLiteral(OSK_CUPS_TEST_QUEUE_SCRIPT), {});
        if (!r.ran || r.exitCode != 0) {
            problem_ = QStringLiteral("the print system for the tests cannot be set up: ") +
                       r.err.trimmed();
            return;
        }
        const QStringList lines = r.out.trimmed().split(QLatin1Char('\n'));
        outputDir_ = lines.isEmpty() ? QString() : lines.last().trimmed();
        if (outputDir_.isEmpty())
            problem_ = QStringLiteral("the set-up script named no PDF folder");
    }

    bool ready() const { return problem_.isEmpty(); }
    const QString& problem() const { return problem_; }
    const QString& outputDir() const { return outputDir_; }

    // The PDFs whose file name starts with title, once count of them are complete (the queue
    // writes a PDF in place, so one that pdfinfo cannot read yet is still being written).
    // Waits up to timeoutMs; fewer files when they do not come.
    QStringList waitForPdfs(const QString& title, int count, int timeoutMs) const;

private:
    QString problem_;
    QString outputDir_;
};

// What pdfinfo says of one PDF.
struct PdfInfo {
    int pages = 0;
    double width = 0; // as shown, after the page's rotation
    double height = 0;
};

inline std::optional<PdfInfo> readPdfInfo(const QString& file) {
    const ToolRun r = runTool(QStringLiteral("pdfinfo"), {file});
    if (!r.ran || r.exitCode != 0)
        return std::nullopt;
    PdfInfo info;
    int rotation = 0;
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(r.out);
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(r.out);
    const auto rot = QRegularExpression(QStringLiteral("Page rot:\\s+(\\d+)")).match(r.out);
    if (!pages.hasMatch() || !size.hasMatch())
        return std::nullopt;
    info.pages = pages.captured(1).toInt();
    info.width = size.captured(1).toDouble();
    info.height = size.captured(2).toDouble();
    if (rot.hasMatch())
        rotation = rot.captured(1).toInt();
    if (rotation % 180 == 90)
        std::swap(info.width, info.height);
    return info;
}

inline QStringList PrintQueue::waitForPdfs(const QString& title, int count, int timeoutMs) const {
    const QDir dir(outputDir_);
    QElapsedTimer clock;
    clock.start();
    QStringList found;
    for (;;) {
        found.clear();
        bool complete = true;
        for (const QString& f :
             dir.entryList({title + QStringLiteral("*.pdf")}, QDir::Files, QDir::Name)) {
            found << dir.filePath(f);
            complete = complete && readPdfInfo(found.back()).has_value();
        }
        if ((found.size() >= count && complete) || clock.elapsed() >= timeoutMs)
            return found;
        QThread::msleep(250);
    }
}

// The PDF's text with every run of white space made one blank.
inline QString readPdfText(const QString& file) {
    const ToolRun r = runTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    return r.out.simplified();
}

} // namespace osk::test
