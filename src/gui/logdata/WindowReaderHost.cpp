#include "logdata/WindowReaderHost.h"

#include "app/MainWindowControls.h"
#include "app/WindowOperations.h"

#include <QLabel>
#include <QTimer>

#include <utility>

namespace osk {

WindowReaderHost::WindowReaderHost(MainWindowControls& controls, WindowOperations& window,
                                   std::function<std::string()> chooser)
    : c_(controls), window_(window), chooser_(std::move(chooser)) {}

void WindowReaderHost::setRecordsCaption(const std::string& text) {
    c_.lblRecords->setText(QString::fromStdString(text));
}

void WindowReaderHost::setWindowCaption(const std::string& text) {
    window_.setCaption(text);
}

std::string WindowReaderHost::SelectLogFile() {
    return chooser_ ? chooser_() : std::string();
}

void WindowReaderHost::stopTimer() {
    c_.Timer1->stop();
}

void WindowReaderHost::startTimer() {
    c_.Timer1->start();
}

} // namespace osk
