#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <QIODevice>

#include "temp_folder.h"
#include "throw_message.h"

namespace chronoflip::settings {
namespace {

using testing::TempFolder;

// Lines "Section/Name=value"; a value of digits only is kept as a number, the way the
// Windows registry hands back a DWORD value.
bool readTypedValues(QIODevice& device, QSettings::SettingsMap& map) {
    while (!device.atEnd()) {
        const QString line = QString::fromLatin1(device.readLine()).trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) continue;
        const QString text = line.mid(equals + 1);
        bool isNumber = false;
        const int number = text.toInt(&isNumber);
        map.insert(line.left(equals), isNumber ? QVariant(number) : QVariant(text));
    }
    return true;
}

bool refuseWrite(QIODevice&, const QSettings::SettingsMap&) {
    return false;
}

bool writeNothing(QIODevice&, const QSettings::SettingsMap&) {
    return true;
}

SettingsOpener openerFor(const std::string& path, QSettings::WriteFunc write) {
    const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("typed"), readTypedValues, write);
    const QString file = QString::fromStdString(path);
    return [file, format] { return std::make_unique<QSettings>(file, format); };
}

struct WriteFailure {
    const char* stored;
    const char* message;
};

class RefusedWriteTest : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(RefusedWriteTest, NamesTheSectionOrTheValue) {
    TempFolder folder;
    const std::string path = folder.write("store.typed", GetParam().stored);
    SettingsStore store(openerFor(path, refuseWrite));

    EXPECT_THROW_MSG(store.writeInt(QStringLiteral("Frm_Main"), QStringLiteral("Top"), 5),
                     std::exception, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, RefusedWriteTest,
    ::testing::Values(WriteFailure{"", "Failed to create key Frm_Main"},
                      WriteFailure{"Frm_Report/Status=1\n", "Failed to create key Frm_Main"},
                      WriteFailure{"Frm_Main/Status=1\n", "Failed to set data for 'Top'"}));

TEST(SettingsStoreTest, ValueOfAnotherTypeThanTextIsRefusedOnRead) {
    TempFolder folder;
    const std::string path = folder.write("store.typed", "Frm_Main/Top=12\nFrm_Main/Left=x\n");
    SettingsStore store(openerFor(path, writeNothing));

    EXPECT_THROW_MSG(store.readInt(QStringLiteral("Frm_Main"), QStringLiteral("Top"), 0),
                     std::exception, "Invalid data type for 'Top'");
    EXPECT_EQ(store.readInt(QStringLiteral("Frm_Main"), QStringLiteral("Left"), 9), 9);
}

TEST(SettingsStoreTest, WritesDecimalTextIntoTheSection) {
    TempFolder folder;
    const QString path = QString::fromStdString(folder.file("Chronoflip.ini"));
    {
        SettingsStore store(iniSettings(path));
        store.writeInt(QStringLiteral("Frm_Main"), QStringLiteral("Output"), -1);
        store.writeInt(QStringLiteral("Frm_Main"), QStringLiteral("Top"), 2147483647);
    }
    const std::string text = testing::readBytes(path.toStdString());
    EXPECT_NE(text.find("[Frm_Main]"), std::string::npos);
    EXPECT_NE(text.find("Output=-1"), std::string::npos);
    EXPECT_NE(text.find("Top=2147483647"), std::string::npos);
}

}  // namespace
}  // namespace chronoflip::settings
