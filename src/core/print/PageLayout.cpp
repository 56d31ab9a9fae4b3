#include "print/PageLayout.h"

#include "common/Numbers.h"
#include "common/Text.h"

namespace osk {

namespace {

// Fixed positions of the page, in twips before the shift.
constexpr double kPlotX = 600, kPlotY = 1700, kPlotWidth = 12700, kPlotHeight = 9000;
constexpr double kLegendX = 13500, kLegendY = 1700;
constexpr double kLogoLeftY = 250, kLogoRightX = 11500, kLogoRightY = 400;
constexpr double kHeaderCaptionX = 6000, kHeaderValueX = 7200;
constexpr double kProductY = 500, kDateY = 750;
constexpr double kRuleY = 1300, kRuleLength = 14800;
constexpr int kRuleWidth = 15, kAxisWidth = 3, kThinWidth = 1;
constexpr double kAxisBottomY = 10450, kTimeAxisEndX = 13360;
constexpr double kLogPathY = 11100;
constexpr double kValueLabelStep = 855;
constexpr double kTimeLabelStep = 1065, kTimeLabelY = 10600, kDateLabelY = 10750;
constexpr double kTimeCaptionX = 14000, kTimeCaptionY = 10600;
constexpr double kValueCaptionX = 100, kValueCaptionY = 1450;
constexpr double kLegendCaptionX = 13800, kLegendCaptionY = 1400;
constexpr double kLegendRuleY = 1600, kLegendRuleEndX = 14600;
constexpr double kContactX = 1200;
constexpr std::array<double, kContactLineCount> kContactY{300, 550, 800, 1050};

} // namespace

int32_t PageOffset(double pageWidth) {
    if (!(pageWidth > kPageBaseWidth))
        return 0;
    return roundToInt32(pageWidth - kPageBaseWidth).value_or(0);
}

PageLayout LayOutPage(const PageInputs& in) {
    PageLayout page;
    page.dx = PageOffset(in.pageWidth);
    const double dx = page.dx;
    auto text = [](double x, double y, std::string s, PageFont font) {
        return PageText{x, y, std::move(s), font};
    };

    auto& h = page.header;
    h.emplace_back(
        PagePicturePlacement{PagePicture::Plot, dx + kPlotX, kPlotY, kPlotWidth, kPlotHeight});
    h.emplace_back(PagePicturePlacement{PagePicture::Legend, dx + kLegendX, kLegendY, 0, 0});
    h.emplace_back(PagePicturePlacement{PagePicture::LogoLeft, dx, kLogoLeftY, 0, 0});
    h.emplace_back(
        PagePicturePlacement{PagePicture::LogoRight, dx + kLogoRightX, kLogoRightY, 0, 0});
    h.emplace_back(text(dx + kHeaderCaptionX, kProductY, in.product, kPageHeaderFont));
    h.emplace_back(text(dx + kHeaderValueX, kProductY, ": OSK-GRAPHS", kPageHeaderFont));
    h.emplace_back(text(dx + kHeaderCaptionX, kDateY, in.date, kPageHeaderFont));
    h.emplace_back(
        text(dx + kHeaderValueX, kDateY, ": " + PageDate(in.newestRecordTime), kPageHeaderFont));
    h.emplace_back(PageLine{dx, kRuleY, dx + kRuleLength, kRuleY, kRuleWidth, kBlack});

    auto& b = page.body;
    b.emplace_back(PageLine{dx + kPlotX, kPlotY, dx + kPlotX, kAxisBottomY, kAxisWidth, kBlack});
    b.emplace_back(
        PageLine{dx + kPlotX, kAxisBottomY, dx + kTimeAxisEndX, kAxisBottomY, kAxisWidth, kBlack});
    b.emplace_back(text(dx, kLogPathY, in.logPath, kPageBodyFont));
    for (int i = 0; i < kValueLabels; ++i)
        b.emplace_back(text(dx, kPlotY + kValueLabelStep * i,
                            in.labels.valueLabels[static_cast<size_t>(i)], kPageBodyFont));
    for (int i = 0; i < kTimeLabels; ++i)
        b.emplace_back(text(dx + kPlotX + kTimeLabelStep * i, kTimeLabelY,
                            in.labels.timeLabels[static_cast<size_t>(i)], kPageBodyFont));
    for (int i = 0; i < kTimeLabels; ++i)
        b.emplace_back(text(dx + kPlotX + kTimeLabelStep * i, kDateLabelY,
                            in.labels.dateLabels[static_cast<size_t>(i)], kPageBodyFont));
    b.emplace_back(text(dx + kTimeCaptionX, kTimeCaptionY, in.timeCaption, kPageBodyFont));
    b.emplace_back(text(dx + kValueCaptionX, kValueCaptionY, in.valueCaption, kPageBodyFont));
    b.emplace_back(text(dx + kLegendCaptionX, kLegendCaptionY, in.legendCaption, kPageBodyFont));
    b.emplace_back(PageLine{dx + kLegendX, kLegendRuleY, dx + kLegendRuleEndX, kLegendRuleY,
                            kThinWidth, kBlack});
    for (int i = 0; i < kContactLineCount; ++i)
        b.emplace_back(text(dx + kContactX, kContactY[static_cast<size_t>(i)],
                            in.contactLines[static_cast<size_t>(i)], kPageBodyFont));
    return page;
}

} // namespace osk
