#include <gtest/gtest.h>

#include <QComboBox>

#include "main_window_fixture.h"

// A gzipped Compact RINEX file goes through Open and Process as its plain twin does.
namespace chronoflip {
namespace {

using testing::MainWindowFixture;
using testing::readBytes;

std::string fixture(const std::string& name) {
    return readBytes(std::string(CHRONOFLIP_COMPRESSED_FIXTURES) + "/" + name);
}

// The preview's filled rows below its heading, each without its file name column.
QList<QStringList> previewRowsWithoutFileName(MainWindowFixture& f) {
    QList<QStringList> rows;
    for (int row = 1; row < f.previewRows(); ++row) {
        QStringList cells = f.previewRow(row);
        cells.removeAt(1);
        if (!cells.join(QString()).isEmpty()) rows.append(cells);
    }
    return rows;
}

TEST(CompressedOpenTest, PreviewsAndShiftsAsThePlainFile) {
    MainWindowFixture f;
    const QString packed = f.writeFile("site0480.16d.gz", fixture("compact_rinex.16d.gz"));
    const QString plain = f.writeFile("plain/site0480.16o", fixture("compact_rinex.16o"));
    f.start();
    f.control<QComboBox>("CbxOutputFile").setCurrentIndex(0);  // the e_ copy beside each

    f.open({plain});
    const QList<QStringList> plainRows = previewRowsWithoutFileName(f);
    f.open({packed, plain});
    ASSERT_EQ(f.previewRow(1).at(1), "site0480.16d.gz");
    EXPECT_EQ(previewRowsWithoutFileName(f), plainRows + plainRows);
    f.clickProcess();

    EXPECT_TRUE(f.dialogs.errors.isEmpty()) << f.dialogs.errors.join(", ").toStdString();
    const std::string shifted = readBytes(f.folder.file("e_site0480.16o"));
    EXPECT_EQ(shifted, readBytes(f.folder.file("plain/e_site0480.16o")));
    EXPECT_NE(shifted.find("Chronoflip"), std::string::npos);
}

}  // namespace
}  // namespace chronoflip
