// Answering a modal dialog: answer runs on the modal window as soon as the dialog's own event
// loop shows it. A dialog the answer leaves open (a check in it failed) is closed, so that it
// cannot hang the run.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

namespace osk::test {

template <typename Dialog = QWidget>
void whenModal(std::type_identity_t<std::function<void(Dialog&)>> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal.data());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
        if (modal && modal->isVisible())
            modal->close();
    });
}

} // namespace osk::test
