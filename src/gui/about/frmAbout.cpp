#include "about/frmAbout.h"

#include "about/Logo.h"
#include "about/ProgramInfo.h"
#include "lang/TextNumbers.h"
#include "lang/Texts.h"
#include "lang/clsLanguage.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace osk {

namespace {

constexpr int kNoticeEntry = 58;
constexpr int kLogoPixels = 96;

QString fromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

// The box's texts are set in Verdana where the system has it, like the printed page.
QFont aboutFont(const QFont& base, double points, bool bold) {
    QFont f = base;
    if (QFontDatabase::hasFamily(QStringLiteral("Verdana")))
        f.setFamily(QStringLiteral("Verdana"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QLabel* textLabel(QWidget* parent, const char* name, const QFont& font) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    // Texts come from language files: never read them as markup.
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    return l;
}

QString versionLine(const Texts& texts) {
    return fromUtf8(texts[kTextVersion] + " " + programVersionText());
}

} // namespace

frmAbout::frmAbout(QWidget* parent, Colour backColour, const Texts& texts, const clsLanguage* lang)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window,
                 QColor(redOf(backColour), greenOf(backColour), blueOf(backColour)));
    setPalette(pal);
    setAutoFillBackground(true);

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setPixmap(logoPixmap(kLogoPixels, devicePixelRatioF()));
    Image1_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblTitle_ = textLabel(this, "lblTitle", aboutFont(font(), 14, true));
    lblVersion_ = textLabel(this, "lblVersion", aboutFont(font(), 9, false));
    lblDisclaimer_ = textLabel(this, "lblDisclaimer", aboutFont(font(), 8, false));
    lblDisclaimer_->setWordWrap(true);
    lblDisclaimer_->setMinimumWidth(320);
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    // Hides the box; it stays loaded for the next time.
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(16);
    grid->addWidget(Image1_, 0, 0, 3, 1);
    grid->addWidget(lblTitle_, 0, 1);
    grid->addWidget(lblVersion_, 1, 1);
    grid->addWidget(lblDisclaimer_, 2, 1);
    grid->addWidget(cmdOK_, 3, 1, Qt::AlignRight);
    grid->setRowStretch(2, 1);

    const QString title = QString::fromLatin1(kProgramTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion_->setText(versionLine(texts));
    lblTitle_->setText(title);
    lblDisclaimer_->setText(fromUtf8(lang ? lang->getText(kNoticeEntry) : std::string()));
}

void frmAbout::applyTexts(const Texts& texts) {
    lblVersion_->setText(versionLine(texts));
    lblTitle_->setText(QString::fromLatin1(kProgramTitle));
    lblDisclaimer_->setText(fromUtf8(texts[kTextNotice]));
}

} // namespace osk
