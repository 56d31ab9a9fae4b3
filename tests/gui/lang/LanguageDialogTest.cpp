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

TEST(LanguageDialog, ShowsItsFixedTextsWithEnglishFirst) {
    SettingsFolder folder;
    QtSettingsStore store;
    frmLanguage dialog(store);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select language"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblselect"))->text(),
              QStringLiteral("Select language:"));
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("cmbLanguage"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(1), QStringLiteral("Nederlands"));
    EXPECT_EQ(list->currentText(), QStringLiteral("English"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cmdLanguage"))->text(),
              QStringLiteral("OK"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->text(),
              QStringLiteral("Cancel"));
}

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
        SettingsFolder folder;
        QtSettingsStore store;
        frmLanguage dialog(store);
        dialog.findChild<QComboBox*>(QStringLiteral("cmbLanguage"))->setCurrentIndex(c.item);
        dialog.findChild<QPushButton*>(QString::fromLatin1(c.button))->click();
        EXPECT_EQ(dialog.result(), c.result) << c.button;
        EXPECT_EQ(store.RegRead(settings::kLanguage), c.stored) << c.item << c.button;
    }
}

} // namespace
} // namespace osk::test
