// The print preview window: the picture box Preview that the preview command fills, the hidden
// surface DummyGraph that the plot is drawn on for the page, and the pictures of the page.
// It opens without blocking the main window and closes with Esc.
#pragma once

#include "graph/ImageSurface.h"
#include "print/PagePictures.h"
#include "print/PageSurface.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

class QLabel;

namespace osk {

class PreviewPicture;

// The hidden plot surface, in twips; its pixels are the screen's.
inline constexpr double kDummyGraphWidthTwips = 8430;
inline constexpr double kDummyGraphHeightTwips = 6075;

class frmPreview : public QDialog {
    Q_OBJECT
public:
    // legendImage gives the picture of the main window's legend as it is at the time.
    explicit frmPreview(std::function<QImage()> legendImage, QWidget* parent = nullptr);
    ~frmPreview() override;

    ImageSurface& dummyGraph() { return *dummyGraph_; }
    PageSurface& previewSurface();
    PreviewPicture& preview() { return *preview_; }
    const PagePictures& pictures() const { return *pictures_; }
    // Pixels to the inch of the screen pictures (the plot and the legend).
    double screenDpi() const { return dpi_; }

    // Fits Preview to what it holds and shows the window in front, without making it modal.
    void showFilled();

private:
    double dpi_;
    std::unique_ptr<ImageSurface> dummyGraph_;
    std::unique_ptr<PagePictures> pictures_;
    PreviewPicture* preview_ = nullptr;
};

} // namespace osk
