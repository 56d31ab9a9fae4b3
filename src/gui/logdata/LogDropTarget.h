// A log file dropped on the main window opens the way the Open File command opens it, with the
// dropped file as the chooser's answer.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QAction;
class QMimeData;
class QWidget;

namespace osk {

class LogDropTarget : public QObject {
    Q_OBJECT
public:
    // open runs the open command with a path; openCommand is the menu entry, whose enabled
    // state decides whether a log may be opened now.
    LogDropTarget(QWidget& window, QAction& openCommand,
                  std::function<void(const std::string&)> open);

    // The window starts accepting drops.
    void install();

    // The first local file among the dropped items, if any.
    static std::optional<QString> droppedFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QAction& openCommand_;
    std::function<void(const std::string&)> open_;
};

} // namespace osk
