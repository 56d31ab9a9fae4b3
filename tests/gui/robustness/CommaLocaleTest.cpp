// Numbers under a locale whose decimal separator is a comma: the window shows the separator Qt's
// locale gives, once, between digits; the files other programs read keep the decimal point.
#include "gui/app/ProgramFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <clocale>

namespace osk::test {
namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

// An optional minus, digits, and at most one separator followed by digits.
bool isShownNumber(const std::string& text, char separator) {
    return QRegularExpression(QStringLiteral("^-?\\d+(\\%1\\d+)?$").arg(QLatin1Char(separator)))
        .match(QString::fromStdString(text))
        .hasMatch();
}

// At least one record, and every line has the header's number of fields, all but the first (the
// time) numbers with '.' as the decimal point.
bool hasPortableNumbers(const std::string& csv) {
    const QStringList lines =
        QString::fromStdString(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    bool ok = lines.size() > 1;
    for (const QString& line : lines.mid(1)) {
        const QStringList fields = line.split(u',');
        ok = ok && fields.size() == lines[0].count(u',') + 1;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            bool number = false;
            fields[i].toDouble(&number);
            ok = ok && number;
        }
    }
    return ok;
}

std::string contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The comma comes from Qt's locale (the program's choice) or from the C library's alone.
class RobustLocale : public LogWindowFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        if (GetParam())
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        else if (std::setlocale(LC_NUMERIC, kCommaLocale) == nullptr)
            GTEST_SKIP() << kCommaLocale << " is not installed (locale -a)";
        LogWindowFixture::SetUp();
    }
    void TearDown() override {
        QLocale::setDefault(saved_);
        std::setlocale(LC_NUMERIC, "C");
    }

private:
    const QLocale saved_;
};

TEST_P(RobustLocale, WindowShowsOneSeparatorAndTheExportKeepsThePoint) {
    const char separator = GetParam() ? ',' : '.';
    openLog(3000);
    c->chkItem[1]->setChecked(true); // pH: values with decimals
    int shown = 0;
    for (QLabel* label : c->lblScale) {
        const std::string text = label->text().trimmed().toStdString();
        shown += !label->isHidden() && !text.empty();
        EXPECT_TRUE(text.empty() || isShownNumber(text, separator)) << text;
    }
    EXPECT_GT(shown, 2);

    const int32_t newest = state.render.DrawnNewest;
    const PlotPointTable& points = state.render.PlotPoints;
    plotMouse(QEvent::MouseButtonPress, QPoint(points.at(newest, 0), points.at(newest, 1)));
    const QString value = c->ToolTipje->text().section(QLatin1Char('\n'), 3);
    ASSERT_TRUE(value.startsWith(QStringLiteral("Value = "))) << value.toStdString();
    EXPECT_TRUE(isShownNumber(value.mid(8).toStdString(), separator)) << value.toStdString();

    const std::string csv = (logs.path() / "visible.csv").string();
    dialogs.saveFile(csv);
    c->mnuExportData->trigger();
    EXPECT_TRUE(hasPortableNumbers(contents(QString::fromStdString(csv))));
}

INSTANTIATE_TEST_SUITE_P(Robust, RobustLocale, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Qt" : "C"; });

// The render tool under the user's comma locale, Qt's and the C library's alike: its value
// captions follow it, the numbers of --describe and --csv do not.
TEST(RobustLocaleRenderTool, DescribeKeepsThePoint) {
    if (std::setlocale(LC_NUMERIC, kCommaLocale) == nullptr)
        GTEST_SKIP() << kCommaLocale << " is not installed (locale -a)";
    std::setlocale(LC_NUMERIC, "C");
    TempDir files, config;
    const QString dir = QString::fromStdString(files.path().string()) + QLatin1Char('/');
    files.write("log.csv", genlog::generateLog(genlog::LogOptions{}));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config.path().string()));
    env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(kCommaLocale));
    const ProcessResult r = runProcess(QStringLiteral(OSK_RENDER_TOOL),
                                       {dir + "log.csv", "-o", dir + "out.png", "--groups",
                                        "product,ph", "--describe", dir + "out.json"},
                                       env);
    ASSERT_TRUE(r.finished && r.exitCode == 0) << r.err;

    const QJsonObject d =
        QJsonDocument::fromJson(QByteArray::fromStdString(contents(dir + "out.json"))).object();
    for (const char* key : {"Min", "Max", "PixelsPerUnit"})
        EXPECT_TRUE(d["ValueAxis"][key].isDouble()) << key;
    EXPECT_TRUE(d["TimeAxis"]["PixelsPerRecord"].isDouble());
    for (const QJsonValue caption : d["valueLabels"].toArray()) {
        const std::string text = caption.toString().trimmed().toStdString();
        EXPECT_TRUE(text.empty() || isShownNumber(text, ',')) << text;
    }
}

} // namespace
} // namespace osk::test
