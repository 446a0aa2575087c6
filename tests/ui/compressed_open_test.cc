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

// A RINEX 3 file under its long name: the preview reads its header, the run keeps the
// systems chosen beside the output mode, and the choice is kept for the next start.
TEST(CompressedOpenTest, ConvertsRinex3WithTheSystemsChosen) {
    MainWindowFixture f;
    const QString source = f.writeFile("DEMO00XXX_R_20100640000_01D_30S_MO.rnx",
                                       readBytes(std::string(CHRONOFLIP_READERS_TEST_DATA) +
                                                 "/DEMO00XXX_R_20100640000_01D_30S_MO.rnx"));
    f.start();
    auto& systems = f.control<QComboBox>("CbxSystems");
    EXPECT_EQ(systems.currentText(), "GPS and GLONASS");
    f.control<QComboBox>("CbxOutputFile").setCurrentIndex(0);
    systems.setCurrentIndex(0);

    f.open({source});
    EXPECT_EQ(f.previewRow(1), (QStringList{"DEMO", "DEMO00XXX_R_20100640000_01D_30S_MO.rnx",
                                            "LEICA GR50", "LEIAR25.R3      LEIT", "1.2340"}));
    f.clickProcess();

    EXPECT_TRUE(f.dialogs.errors.isEmpty()) << f.dialogs.errors.join(", ").toStdString();
    EXPECT_EQ(f.log().at(1),
              "RINEX 3.01 converted to 2.11; systems left out: GLONASS (R), "
              "Galileo (E), SBAS (S), BeiDou (C)");
    const std::string shifted = readBytes(f.folder.file("e_demo0640.10o"));
    EXPECT_NE(shifted.find(" 82  3  5  0  0 00.0000000  0  2G13G07"), std::string::npos);
    ASSERT_TRUE(f.close());
    EXPECT_EQ(testing::storedSection(f.settingsPath, QStringLiteral("Frm_Main"))
                  .at(QStringLiteral("Systems")),
              "0");
}

}  // namespace
}  // namespace chronoflip
