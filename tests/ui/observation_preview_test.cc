#include "ui/observation_preview.h"

#include <gtest/gtest.h>

#include <QObject>

#include "rinex_samples.h"
#include "temp_folder.h"
#include "ui/preview_table_model.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::observationFile;
using testing::record;
using testing::TempFolder;

// A grid of 10 rows and the preview of one Open into it.
struct PreviewFixture {
    QObject owner;
    PreviewTableModel grid{10, &owner};
    ObservationPreview preview{grid};
    TempFolder folder;
    LocalFileSystem files;

    void read(const std::string& name, const std::string& text) {
        const auto file = files.openRead(folder.write(name, text));
        preview.readFile(*file, QString::fromStdString(name));
    }
    QStringList row(int index) const {
        QStringList cells;
        for (int column = 0; column < kPreviewColumns; ++column) {
            cells << grid.cell(column, index);
        }
        return cells;
    }
};

// "m1.16o", "m2.16o", ...
std::string numberedFile(int number) {
    std::string name = "m";
    name += std::to_string(number);
    name += ".16o";
    return name;
}

TEST(ObservationPreviewTest, LaterMarkersAreComparedWithTheFilesFirstMarkerOnly) {
    PreviewFixture f;
    f.read("abcd0490.16o", observationFile({"P", "Q", "Q", "P", "R"}, "RX", "ANT", "1.5000"));

    EXPECT_EQ(f.row(1), (QStringList{"P", "abcd0490.16o", "RX", "ANT", "1.5000"}));
    EXPECT_EQ(f.row(2), (QStringList{"Q", "abcd0490.16o", "RX", "ANT", ""}));
    EXPECT_EQ(f.row(3), (QStringList{"Q", "abcd0490.16o", "RX", "ANT", ""}));
    EXPECT_EQ(f.row(4), (QStringList{"R", "abcd0490.16o", "RX", "ANT", ""}));
    EXPECT_EQ(f.row(5), (QStringList{"", "", "", "", ""}));
}

TEST(ObservationPreviewTest, MarkersAreTrimmedAndCompareCaseSensitive) {
    PreviewFixture f;
    f.read("a.16o", observationFile({"  SITE1  ", "SITE1", "site1"}, "RX", "ANT", ""));

    EXPECT_EQ(f.row(1), (QStringList{"SITE1", "a.16o", "RX", "ANT", ""}));
    EXPECT_EQ(f.row(2), (QStringList{"site1", "a.16o", "RX", "ANT", ""}));
    EXPECT_EQ(f.grid.cell(kMarkerColumn, 3), "");
}

TEST(ObservationPreviewTest, ReceiverAndAntennaCarryOverToTheNextFile) {
    PreviewFixture f;
    f.read("first.16o", observationFile({"A"}, "RX A", "ANT A", "2.0"));
    f.read("second.16o", observationFile({"B", "C"}, "", "", ""));

    EXPECT_EQ(f.row(2), (QStringList{"B", "second.16o", "", "", ""}));
    EXPECT_EQ(f.row(3), (QStringList{"C", "second.16o", "RX A", "ANT A", ""}));
}

TEST(ObservationPreviewTest, AnEmptyFileGetsARowWithItsNameOnly) {
    PreviewFixture f;
    f.read("empty.16o", "");
    EXPECT_EQ(f.row(1), (QStringList{"", "empty.16o", "", "", ""}));
}

TEST(ObservationPreviewTest, FileWithoutMarkerGetsARowButNoGrowth) {
    PreviewFixture f;
    for (int i = 1; i <= 9; ++i) f.read(numberedFile(i), observationFile({"M"}));
    f.read("nomarker.16o", observationFile({}, "RX", "ANT", "0.5"));

    EXPECT_EQ(f.grid.gridRows(), 10);
    EXPECT_EQ(f.row(10), (QStringList{"", "nomarker.16o", "RX", "ANT", "0.5"}));
}

TEST(ObservationPreviewTest, TheTenthFilesMarkerGrowsTheGridByFive) {
    PreviewFixture f;
    for (int i = 1; i <= 9; ++i) f.read(numberedFile(i), observationFile({"M"}));
    EXPECT_EQ(f.grid.gridRows(), 10);
    EXPECT_EQ(f.grid.rowCount(), 9);

    f.read("m10.16o", observationFile({"M"}));
    EXPECT_EQ(f.grid.gridRows(), 15);
    EXPECT_EQ(f.grid.rowCount(), 14);
    EXPECT_EQ(f.grid.data(f.grid.index(9, kFileColumn), Qt::DisplayRole).toString(), "m10.16o");
}

TEST(ObservationPreviewTest, EmptyingKeepsHeadingAndRowCount) {
    PreviewFixture f;
    f.grid.setCell(kMarkerColumn, 0, " Marker Name");
    for (int i = 1; i <= 12; ++i) f.read(numberedFile(i), observationFile({"M"}));

    f.grid.emptyBelowHeading();

    EXPECT_EQ(f.grid.gridRows(), 15);
    EXPECT_EQ(f.grid.headerData(kMarkerColumn, Qt::Horizontal, Qt::DisplayRole), " Marker Name");
    for (int row = 1; row <= 15; ++row) EXPECT_EQ(f.row(row).join(""), "") << row;
}

}  // namespace
}  // namespace chronoflip
