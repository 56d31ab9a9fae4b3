// The test print queue: makes sure the local print system runs with the PDF queue (through
// scripts/cups-test-queue), and finds and reads the PDFs that the queue writes.
#pragma once

#include "gui/support/Support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

#include <optional>

namespace osk::test {

inline constexpr const char* kTestQueue = "OSK_Test_PDF";

// The tests that print to the queue or read PDFs back need the Linux print system and poppler's
// PDF tools, which a Windows build has neither of.
#ifdef _WIN32
#define OSK_NEEDS_LINUX_PRINTING() GTEST_SKIP() << "needs the Linux print system and PDF tools"
#else
#define OSK_NEEDS_LINUX_PRINTING() static_cast<void>(0)
#endif

// Standard output of a tool that ran and succeeded; nullopt otherwise, with why in error.
inline std::optional<QString> runTool(const QString& program, const QStringList& args,
                                      QString* error = nullptr) {
    const ProcessResult r = runProcess(program, args);
    if (error)
        *error = QString::fromStdString(r.err).trimmed();
    return r.finished && r.exitCode == 0 ? std::optional(QString::fromStdString(r.out))
                                         : std::nullopt;
}

// Pages and the shown size (after the page's rotation) of a complete PDF.
struct PdfInfo {
    int pages = 0;
    double width = 0, height = 0;
};

inline std::optional<PdfInfo> readPdfInfo(const QString& file) {
    const auto out = runTool(QStringLiteral("pdfinfo"), {file});
    const QRegularExpression re(
        QStringLiteral(
            "Pages:\\s+(\\d+).*Page size:\\s+([\\d.]+) x ([\\d.]+).*Page rot:\\s+(\\d+)"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto m = out ? re.match(*out) : QRegularExpressionMatch();
    if (!m.hasMatch())
        return std::nullopt;
    PdfInfo info{m.captured(1).toInt(), m.captured(2).toDouble(), m.captured(3).toDouble()};
    if (m.captured(4).toInt() % 180 == 90)
        std::swap(info.width, info.height);
    return info;
}

// The PDF's text with every run of white space made one blank.
inline QString readPdfText(const QString& file) {
    return runTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")})
        .value_or(QString())
        .simplified();
}

class PrintQueue {
public:
    // Sets the queue up; problem() says why it is not there when it is not.
    PrintQueue() {
        const auto out = runTool(QStringLiteral(OSK_CUPS_TEST_QUEUE_SCRIPT), {}, &problem_);
        if (out)
            outputDir_ = out->trimmed().split(QLatin1Char('\n')).last();
        if (outputDir_.isEmpty())
            problem_ =
                QStringLiteral("the print system for the tests cannot be set up: ") + problem_;
        else
            problem_.clear();
    }
    bool ready() const { return problem_.isEmpty(); }
    const QString& problem() const { return problem_; }
    const QString& outputDir() const { return outputDir_; }

    // The PDFs whose names start with title, once count of them are complete (the queue
    // writes a PDF in place: one pdfinfo cannot read yet is still being written), or what
    // there is after timeoutMs.
    QStringList waitForPdfs(const QString& title, int count, int timeoutMs) const {
        const QDir dir(outputDir_);
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            QStringList found;
            bool complete = true;
            for (const QString& f : dir.entryList({title + QStringLiteral("*.pdf")}, QDir::Files)) {
                found << dir.filePath(f);
                complete = complete && readPdfInfo(found.back()).has_value();
            }
            if ((found.size() >= count && complete) || clock.elapsed() >= timeoutMs)
                return found;
            QThread::msleep(250);
        }
    }

private:
    QString problem_;
    QString outputDir_;
};

} // namespace osk::test
