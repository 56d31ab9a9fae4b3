// Keeps the main window's plot as large as the window allows, with the legend to its right and
// the control panel under it, on every resize; and keeps the window above its smallest size.
#pragma once

#include <QObject>
#include <QSize>

class QMainWindow;

namespace osk {

class WindowOperations;
struct MainWindowControls;
struct ProgramState;

class LayoutController : public QObject {
    Q_OBJECT
public:
    LayoutController(QMainWindow& window, MainWindowControls& controls, ProgramState& state,
                     WindowOperations& operations);

    // Starts following the window's size and state, and sets its smallest size.
    void install();

    // Sets the window's outer size in twips (the frame included, as far as it is known).
    void setOuterSizeTwips(int widthTwips, int heightTwips);

    // The placement rule, run on every resize; does nothing while the window is minimised.
    void Form_Resize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Frame and title bar around the window's own geometry.
    QSize frameExtra() const;
    QSize pixelsForOuterTwips(int widthTwips, int heightTwips) const;
    void keepMinimumSize();

    QMainWindow& window_;
    MainWindowControls& c_;
    ProgramState& state_;
    WindowOperations& operations_;
    bool wasMinimised_ = false;
};

} // namespace osk
