#include "app/QtSettingsStore.h"
#include "common/SettingsStore.h"
#include "lang/frmLanguage.h"

#include "gui/app/SettingsFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace osk::test {
namespace {

template <typename T> T* child(const QWidget& dialog, const char* name) {
    T* w = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Its fixed texts with English first; OK stores the chosen file, Cancel stores nothing.
TEST(LanguageDialog, OkStoresTheChosenFileAndCancelStoresNothing) {
    struct Case {
        int item;
        const char* button;
        const char* stored;
        QDialog::DialogCode result;
    };
    const Case cases[] = {
        {0, "cmdLanguage", "English.lng", QDialog::Accepted},
        {1, "cmdLanguage", "Nederlands.lng", QDialog::Accepted},
        {1, "cmdCancel", "", QDialog::Rejected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.item << " " << c.button);
        SettingsFolder folder;
        QtSettingsStore store;
        frmLanguage dialog(store);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select language"));
        EXPECT_EQ(child<QLabel>(dialog, "lblselect")->text(), QStringLiteral("Select language:"));
        EXPECT_EQ(child<QPushButton>(dialog, "cmdLanguage")->text(), QStringLiteral("OK"));
        EXPECT_EQ(child<QPushButton>(dialog, "cmdCancel")->text(), QStringLiteral("Cancel"));
        auto* list = child<QComboBox>(dialog, "cmbLanguage");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentText(), QStringLiteral("English"));
        EXPECT_EQ(list->itemText(1), QStringLiteral("Nederlands"));

        list->setCurrentIndex(c.item);
        child<QPushButton>(dialog, c.button)->click();
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_EQ(store.RegRead(settings::kLanguage), c.stored);
    }
}

} // namespace
} // namespace osk::test
