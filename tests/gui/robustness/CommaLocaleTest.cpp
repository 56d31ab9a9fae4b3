// Numbers under a locale whose decimal separator is a comma: the window shows the user's
// separator, once, between digits; the files other programs read keep the decimal point.
#include "gui/logdata/LogWindowFixture.h"
#include "gui/robustness/NumberText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>

#include <clocale>
#include <sstream>

namespace osk::test {
namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Every field but the first (the time) of every line after the header reads as a number.
void expectPortableCsv(const std::string& csv) {
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    int records = 0;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::istringstream fields(line);
        std::string field;
        std::getline(fields, field, ',');
        while (std::getline(fields, field, ','))
            ASSERT_TRUE(isPortableNumber(field)) << line;
        ++records;
    }
    EXPECT_GT(records, 0);
}

// Which locale says ',': Qt's (the program's choice of separator) or the C library's.
struct CommaFrom {
    bool qt;
    const char* name;
};

class RobustLocale : public LogWindowFixture, public ::testing::WithParamInterface<CommaFrom> {
protected:
    void SetUp() override {
        if (GetParam().qt) {
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        } else if (std::setlocale(LC_NUMERIC, kCommaLocale) == nullptr) {
            GTEST_SKIP() << kCommaLocale << " is not installed (locale -a)";
        }
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
    const char separator = QLocale().decimalPoint().at(0).toLatin1();
    ASSERT_EQ(separator, GetParam().qt ? ',' : '.');
    openLog(3000);
    c->chkItem[1]->setChecked(true); // pH: values with decimals
    int shown = 0;
    for (QLabel* label : c->lblScale)
        if (!label->isHidden() && !label->text().isEmpty()) {
            EXPECT_TRUE(isShownNumber(label->text().trimmed().toStdString(), separator))
                << label->text().toStdString();
            ++shown;
        }
    EXPECT_GT(shown, 2);

    const int32_t newest = state.render.DrawnNewest;
    const PlotPointTable& points = state.render.PlotPoints;
    plotMouse(QEvent::MouseButtonPress, QPoint(points.at(newest, 0), points.at(newest, 1)));
    const QStringList lines = c->ToolTipje->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4) << c->ToolTipje->text().toStdString();
    ASSERT_TRUE(lines[3].startsWith(QStringLiteral("Value = ")));
    EXPECT_TRUE(isShownNumber(lines[3].mid(8).toStdString(), separator)) << lines[3].toStdString();

    const std::string csv = (logs.path() / "visible.csv").string();
    dialogs.saveFile(csv);
    c->mnuExportData->trigger();
    QFile file(QString::fromStdString(csv));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    expectPortableCsv(file.readAll().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Robust, RobustLocale,
                         ::testing::Values(CommaFrom{true, "Qt"}, CommaFrom{false, "C"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The render tool under the user's comma locale (both Qt's and the C library's): its value
// captions follow it, the numbers of --describe and --csv do not.
TEST(RobustLocaleRenderTool, DescribeAndCsvKeepThePoint) {
    if (std::setlocale(LC_NUMERIC, kCommaLocale) == nullptr)
        GTEST_SKIP() << kCommaLocale << " is not installed (locale -a)";
    std::setlocale(LC_NUMERIC, "C");
    TempDir files, config;
    genlog::LogOptions options;
    options.records = 3000;
    const QString dir = QString::fromStdString(files.path().string()) + QLatin1Char('/');
    files.write("log.csv", genlog::generateLog(options));
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config.path().string()));
    env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(kCommaLocale));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(OSK_RENDER_TOOL),
               {dir + "log.csv", "-o", dir + "out.png", "--groups", "product,ph", "--describe",
                dir + "out.json", "--csv", dir + "out.csv"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    QFile json(dir + "out.json");
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonObject d = QJsonDocument::fromJson(json.readAll(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    for (const char* key : {"Min", "Max", "PixelsPerUnit"})
        EXPECT_TRUE(d["ValueAxis"][key].isDouble()) << key;
    EXPECT_TRUE(d["TimeAxis"]["PixelsPerRecord"].isDouble());
    for (const QJsonValue caption : d["valueLabels"].toArray())
        if (!caption.toString().isEmpty()) {
            EXPECT_TRUE(isShownNumber(caption.toString().trimmed().toStdString(), ','))
                << caption.toString().toStdString();
        }
    QFile csv(dir + "out.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    expectPortableCsv(csv.readAll().toStdString());
}

} // namespace
} // namespace osk::test
