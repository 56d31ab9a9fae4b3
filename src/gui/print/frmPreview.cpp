#include "print/frmPreview.h"

#include "common/Numbers.h"
#include "print/PreviewPicture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace osk {

namespace {

// Room left on the screen for the window's frame and title bar.
constexpr QSize kFrameAllowance(32, 64);

double screenLogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 0;
    return dpi > 0 ? dpi : 96;
}

int twipsToPixels(double twips, double dpi) {
    return std::max(1, roundedPixelsForTwips(twips, dpi));
}

void makeWhite(QWidget* w) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, Qt::white);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

QLabel* hiddenPicture(QWidget* parent, const char* name, const QImage& image, QSizeF twips,
                      double dpi) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    if (!image.isNull())
        label->setPixmap(QPixmap::fromImage(
            image.scaled(twipsToPixels(twips.width(), dpi), twipsToPixels(twips.height(), dpi),
                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    label->hide();
    return label;
}

} // namespace

frmPreview::frmPreview(std::function<QImage()> legendImage, QWidget* parent)
    : QDialog(parent), dpi_(screenLogicalDpi()) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Afdruk voorbeeld"));
    setModal(false);
    makeWhite(this);

    dummyGraph_ = std::make_unique<ImageSurface>(twipsToPixels(kDummyGraphWidthTwips, dpi_),
                                                 twipsToPixels(kDummyGraphHeightTwips, dpi_));
    dummyGraph_->setBackColor(kWhite);
    dummyGraph_->clear();
    dummyGraph_->setVisible(false);
    pictures_ = std::make_unique<PagePictures>([this] { return dummyGraph_->image(); },
                                               std::move(legendImage), dpi_);

    // DummyGraph only gives the hidden surface its place among the window's controls.
    auto* dummy = new QWidget(this);
    dummy->setObjectName(QStringLiteral("DummyGraph"));
    dummy->setFixedSize(dummyGraph_->image().size());
    dummy->hide();

    // The logos the page carries (Image3 left, Image2 right) and the program's mark (Image1),
    // kept as pictures of the window; the page itself draws them at paper resolution.
    const QImage left = pageLogoImage(PagePicture::LogoLeft, kPageLogoDpi);
    hiddenPicture(this, "Image1", left, pageLogoTwips(PagePicture::LogoLeft), dpi_);
    hiddenPicture(this, "Image2", pageLogoImage(PagePicture::LogoRight, kPageLogoDpi),
                  pageLogoTwips(PagePicture::LogoRight), dpi_);
    hiddenPicture(this, "Image3", left, pageLogoTwips(PagePicture::LogoLeft), dpi_);

    preview_ = new PreviewPicture(*pictures_, dpi_);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(preview_);
    scroll->setWidgetResizable(false);
    scroll->setFrameShape(QFrame::NoFrame);
    makeWhite(scroll->viewport());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

frmPreview::~frmPreview() {
    // Preview draws from the pictures, which go before the window's children do.
    delete preview_;
}

PageSurface& frmPreview::previewSurface() {
    return preview_->surface();
}

void frmPreview::showFilled() {
    preview_->fitToDrawing();
    preview_->update();
    // Big enough to show the plot and the legend without scrolling, as far as the screen has
    // room for the window and its frame.
    QSize size = preview_->size();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - kFrameAllowance);
    resize(size);
    show();
    raise();
    activateWindow();
}

} // namespace osk
