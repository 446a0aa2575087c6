#include <gtest/gtest.h>

#include <QSettings>

#include "main_window_fixture.h"
#include "settings/settings_store.h"

// On Windows the placement lives in the user's registry; these run against the real one
// (the test's own wine prefix in CI).
namespace chronoflip {
namespace {

using testing::MainWindowFixture;

const QString kStoreKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Kellimore\\Chronoflip");

class RegistryPlacementTest : public ::testing::Test {
  protected:
    RegistryPlacementTest() {
        clearStore();
        f.settings = settings::userSettings();
    }
    ~RegistryPlacementTest() override { clearStore(); }

    static void clearStore() {
        QSettings store(kStoreKey, QSettings::NativeFormat);
        store.remove(QString());
        store.sync();
    }

    MainWindowFixture f;
};

TEST_F(RegistryPlacementTest, CloseWritesEachValueAsDecimalText) {
    f.start();
    ASSERT_TRUE(f.close());

    QSettings store(kStoreKey, QSettings::NativeFormat);
    store.beginGroup(QStringLiteral("Frm_Main"));
    const std::map<QString, QString> expected{{"Status", "1"}, {"Width", "794"}, {"Height", "622"},
                                              {"Output", "2"}, {"Systems", "1"}, {"Top", "276"},
                                              {"Left", "265"}};
    EXPECT_EQ(store.childKeys().size(), static_cast<qsizetype>(expected.size()));
    for (const auto& [name, text] : expected) {
        const QVariant value = store.value(name);
        // A text value reads back as a string; a number value would read back as an int.
        EXPECT_EQ(value.typeId(), QMetaType::QString) << name.toStdString();
        EXPECT_EQ(value.toString(), text) << name.toStdString();
    }
}

TEST_F(RegistryPlacementTest, NumberValueWhereTextBelongsStopsTheRestoreThere) {
    {
        QSettings store(kStoreKey, QSettings::NativeFormat);
        store.setValue(QStringLiteral("Frm_Main/Status"), QStringLiteral("1"));
        store.setValue(QStringLiteral("Frm_Main/Top"), QStringLiteral("120"));
        store.setValue(QStringLiteral("Frm_Main/Left"), QStringLiteral("100"));
        store.setValue(QStringLiteral("Frm_Main/Width"), 700);  // written as REG_DWORD
        store.setValue(QStringLiteral("Frm_Main/Height"), QStringLiteral("500"));
    }

    f.start();

    EXPECT_EQ(f.dialogs.errors, QStringList{QStringLiteral("Invalid data type for 'Width'")});
    EXPECT_EQ(f.main().frameGeometry(), QRect(100, 120, 794, 622));
}

}  // namespace
}  // namespace chronoflip
