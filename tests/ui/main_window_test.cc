#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "core/calendar.h"
#include "core/short_date.h"
#include "main_window_fixture.h"
#include "rinex_samples.h"

namespace chronoflip {
namespace {

using testing::MainWindowFixture;
using testing::navigationFile;
using testing::observationFile;

const QStringList kEmptyRow{"", "", "", "", ""};
const QString kBanner = QStringLiteral("                       --- F I N I S H E D ---");

QStringList listed(MainWindowFixture& f) {
    QStringList paths;
    auto& list = f.control<QListWidget>("FileListBox");
    for (int i = 0; i < list.count(); ++i) paths << list.item(i)->text();
    return paths;
}

bool processEnabled(MainWindowFixture& f) {
    return f.control<QToolButton>("BtnProcess").isEnabled();
}

TEST(MainWindowTest, StartsAtItsDesignedPlaceReadyToOpen) {
    MainWindowFixture f;
    f.start();
    MainWindow& main = f.main();

    EXPECT_EQ(main.windowTitle(), "Chronoflip 1.8");
    EXPECT_EQ(main.frameGeometry(), QRect(265, 276, 794, 622));
    EXPECT_FALSE(processEnabled(f));
    EXPECT_EQ(f.control<QComboBox>("CbxOutputFile").currentText(),
              "Overwrite old file, create backup");
    EXPECT_EQ(main.outputMode(), 2);
    EXPECT_EQ(f.previewRows(), 10);
    EXPECT_EQ(f.previewRow(0), (QStringList{" Marker Name", " Filename", " Receiver", " Antenna",
                                            " Ant. Height (1)"}));
    for (int row = 1; row < 10; ++row) EXPECT_EQ(f.previewRow(row), kEmptyRow);
    EXPECT_EQ(f.windows().aboutWindow.objectName(), "Frm_About");
    EXPECT_FALSE(f.windows().aboutWindow.isVisible());
    EXPECT_FALSE(f.windows().reportWindow.isVisible());
    EXPECT_FALSE(f.windows().surveyDateWindow.isVisible());
}

TEST(MainWindowTest, OpenListsEveryFileAndPreviewsObservationFiles) {
    MainWindowFixture f;
    f.start();
    const QString first =
        f.writeFile("abcd0490.16o", observationFile({"P1"}, "RX1", "ANT1", "1.2"));
    const QString nav = f.writeFile("abcd0490.16n", navigationFile());
    const QString upper = f.writeFile("ABCD0500.16O", observationFile({"P2", "P3"}));
    f.main().fileDone("earlier run");

    f.open({first, nav, upper});

    EXPECT_EQ(listed(f), (QStringList{first, nav, upper}));
    EXPECT_EQ(f.control<QListWidget>("FileListBox").currentRow(), 0);
    EXPECT_TRUE(processEnabled(f));
    EXPECT_EQ(f.log(), QStringList{""});
    EXPECT_EQ(f.previewRow(1), (QStringList{"P1", "abcd0490.16o", "RX1", "ANT1", "1.2"}));
    EXPECT_EQ(f.previewRow(2),
              (QStringList{"P2", "ABCD0500.16O", "TRIMBLE R8", "TRM41249.00", "1.5000"}));
    EXPECT_EQ(f.previewRow(3),
              (QStringList{"P3", "ABCD0500.16O", "TRIMBLE R8", "TRM41249.00", ""}));
    ASSERT_EQ(f.dialogs.dialogSettings.size(), 1u);
    EXPECT_EQ(f.dialogs.dialogSettings[0].nameFilters,
              (QStringList{"obs, nav, orbit files (*.*o *.*n *.*d *.rnx *.crx *.sp3 *.gz *.Z)",
                           "all files (*.*)"}));
    EXPECT_EQ(f.dialogs.dialogSettings[0].fileName, "*.*o;*.*n;*.*d;*.rnx;*.crx;*.sp3;*.gz;*.Z");
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
}

TEST(MainWindowTest, CancelledOpenKeepsTheListButEmptiesThePreviewAndDisablesProcess) {
    MainWindowFixture f;
    f.start();
    const QString file = f.writeFile("a.16o", observationFile({"A"}));
    f.open({file});
    f.main().fileDone("log line");

    f.open({});

    EXPECT_EQ(listed(f), QStringList{file});
    EXPECT_FALSE(processEnabled(f));
    EXPECT_EQ(f.previewRow(1), kEmptyRow);
    EXPECT_EQ(f.log(), QStringList{"log line"});
}

TEST(MainWindowTest, MissingThirdFileStopsThePreviewThere) {
    MainWindowFixture f;
    f.start();
    QStringList paths;
    for (const char* name : {"f1.16o", "f2.16o", "f3.16o", "f4.16o", "f5.16o"}) {
        paths << f.writeFile(name, observationFile({name}));
    }
    std::filesystem::remove(paths[2].toStdString());

    f.open(paths);

    // The box names the file on a line of its own.
    EXPECT_EQ(f.dialogs.errors, QStringList{"File not found\n" + paths[2]});
    EXPECT_EQ(listed(f), paths);
    EXPECT_TRUE(processEnabled(f));
    EXPECT_EQ(f.previewRow(1)[0], "f1.16o");
    EXPECT_EQ(f.previewRow(2)[0], "f2.16o");
    EXPECT_EQ(f.previewRow(3), kEmptyRow);
}

TEST(MainWindowTest, GridKeepsItsGrownRowsForTheNextOpen) {
    MainWindowFixture f;
    f.start();
    QStringList twelve;
    for (int i = 1; i <= 12; ++i) {
        std::string name = "g";
        name += std::to_string(i);
        twelve << f.writeFile(name + ".16o", observationFile({name}));
    }
    f.open(twelve);
    EXPECT_EQ(f.previewRows(), 15);
    EXPECT_EQ(f.previewRow(12)[0], "g12");

    f.open(twelve.mid(0, 2));

    EXPECT_EQ(f.previewRows(), 15);
    EXPECT_EQ(f.previewRow(2)[0], "g2");
    for (int row = 3; row <= 15; ++row) EXPECT_EQ(f.previewRow(row), kEmptyRow) << row;
}

TEST(MainWindowTest, ProcessRunsOverAMixedList) {
    MainWindowFixture f;
    f.start();
    const QString nav = f.writeFile("abcd0490.16n", navigationFile());
    const QString other = f.writeFile("abcd0490.16m", "meteo data\r\n");
    const QString obs = f.writeFile("abcd0490.16o", observationFile({"P1"}));
    f.open({nav, other, obs});
    f.control<QComboBox>("CbxOutputFile").setCurrentIndex(0);

    f.clickProcess();

    EXPECT_TRUE(f.dialogs.errors.isEmpty()) << f.dialogs.errors.join(", ").toStdString();
    EXPECT_EQ(f.dialogs.information, QStringList{"Invalid File Type"});
    EXPECT_EQ(f.log(), (QStringList{nav, obs, "", kBanner}));
    EXPECT_FALSE(processEnabled(f));
    // The bar measures the last file in its bytes, and is full.
    const auto& bar = f.control<QProgressBar>("PBar");
    EXPECT_EQ(bar.maximum(), static_cast<int>(observationFile({"P1"}).size()));
    EXPECT_EQ(bar.value(), bar.maximum());
    EXPECT_EQ(f.control<QListWidget>("FileListBox").currentRow(), 2);
    EXPECT_EQ(testing::readBytes(f.folder.file("e_abcd0490.16m")), "");
    // The window stamps the date the command line does.
    const std::string stamp = "Chronoflip 1.8   " + shortDateText(localNow());
    EXPECT_NE(testing::readBytes(f.folder.file("e_abcd0490.16o")).find(stamp), std::string::npos);
    EXPECT_NE(testing::readBytes(f.folder.file("e_abcd0490.16n")).find(stamp), std::string::npos);
}

TEST(MainWindowTest, FailingFileEndsTheRunAndTheWindowGoesOn) {
    MainWindowFixture f;
    f.start();
    const QString first = f.writeFile("one.16o", observationFile({"A"}));
    const QString second = f.writeFile("two.16o", observationFile({"B"}));
    const QString third = f.writeFile("three.16o", observationFile({"C"}));
    f.open({first, second, third});
    std::filesystem::remove(second.toStdString());

    f.clickProcess();

    EXPECT_EQ(f.dialogs.errors, QStringList{"File not found\n" + second});
    EXPECT_EQ(f.log(), QStringList{first});
    EXPECT_TRUE(std::filesystem::exists(f.folder.file("one.16o.bak")));
    EXPECT_FALSE(std::filesystem::exists(f.folder.file("e_three.16o")));
    EXPECT_EQ(testing::readBytes(third.toStdString()), observationFile({"C"}));
    EXPECT_FALSE(processEnabled(f));
    EXPECT_TRUE(f.main().isVisible());
}

// Clicks and a close request made while Process runs are dropped, not carried out when
// the run ends: the window stays, and no Open dialog comes up that the user did not see.
TEST(MainWindowTest, InputGivenDuringARunIsDropped) {
    MainWindowFixture f;
    f.start();
    const QString file = f.writeFile("abcd0490.16o", observationFile({"P1"}));
    f.open({file});
    testing::queueClick(f.control<QToolButton>("BtnOpen"));
    testing::queueCloseRequest(f.main());

    f.clickProcess();
    QTest::qWait(20);

    EXPECT_EQ(f.log(), (QStringList{file, "", kBanner}));
    EXPECT_EQ(f.dialogs.dialogSettings.size(), 1u);
    EXPECT_TRUE(f.main().isVisible());
    // Input given after the run is taken again.
    testing::queueClick(f.control<QToolButton>("BtnOpen"));
    QTest::qWait(20);
    EXPECT_EQ(f.dialogs.dialogSettings.size(), 2u);
}

// Reading a large file for the preview takes a while: clicks and a close request made
// meanwhile are dropped, as during a run.
TEST(MainWindowTest, InputGivenDuringAPreviewIsDropped) {
    MainWindowFixture f;
    f.start();
    const QString file = f.writeFile("abcd0490.16o", observationFile({"P1"}));
    testing::queueClick(f.control<QToolButton>("BtnOpen"));
    testing::queueCloseRequest(f.main());

    f.open({file});
    QTest::qWait(20);

    EXPECT_EQ(f.previewRow(1)[0], "P1");
    EXPECT_EQ(f.dialogs.dialogSettings.size(), 1u);
    EXPECT_TRUE(f.main().isVisible());
}

TEST(MainWindowTest, CannotBeMadeSoSmallThatTheStatusBarTextsOverlap) {
    MainWindowFixture f;
    f.start();

    f.main().resize(100, 60);
    QTest::qWait(20);

    const auto& bar = f.control<QStatusBar>("StatusBar1");
    const QList<QLabel*> panels = bar.findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 3);
    for (qsizetype i = 1; i < panels.size(); ++i) {
        EXPECT_GT(panels[i]->x(), panels[i - 1]->geometry().right()) << i;
    }
    EXPECT_GE(panels.back()->width(), panels.back()->sizeHint().width());
    EXPECT_GT(bar.y(), f.control<QProgressBar>("PBar").geometry().bottom());
}

TEST(MainWindowTest, TextTypedIntoTheOutputBoxChoosesNoMode) {
    MainWindowFixture f;
    f.start();
    auto& box = f.control<QComboBox>("CbxOutputFile");
    box.setEditText("e_prefix ");
    EXPECT_EQ(f.main().outputMode(), -1);
    box.setCurrentIndex(1);
    EXPECT_EQ(f.main().outputMode(), 1);
}

// Each item of the box runs its mode; no item chosen runs as the first, keeping the source.
TEST(MainWindowTest, TheOutputBoxChoosesWhereTheCopyGoes) {
    MainWindowFixture f;
    f.start();
    auto& box = f.control<QComboBox>("CbxOutputFile");
    const std::string text = observationFile({"P1"});
    const auto processWith = [&](const std::string& name, const std::function<void()>& choose) {
        const QString source = f.writeFile(name, text);
        f.open({source});
        choose();
        f.clickProcess();
        EXPECT_TRUE(f.dialogs.errors.isEmpty()) << name;
        return source.toStdString();
    };

    const std::string typed = processWith("typed.16o", [&] { box.setEditText("e_prefix "); });
    EXPECT_EQ(testing::readBytes(typed), text);
    EXPECT_TRUE(std::filesystem::exists(f.folder.file("e_typed.16o")));

    const std::string kept = processWith("kept.16o", [&] { box.setCurrentIndex(0); });
    EXPECT_EQ(testing::readBytes(kept), text);
    EXPECT_TRUE(std::filesystem::exists(f.folder.file("e_kept.16o")));

    processWith("year.16o", [&] { box.setCurrentIndex(1); });
    EXPECT_TRUE(std::filesystem::exists(f.folder.file("year.88o")));
    EXPECT_FALSE(std::filesystem::exists(f.folder.file("e_year.16o")));

    const std::string replaced = processWith("over.16o", [&] { box.setCurrentIndex(2); });
    EXPECT_EQ(testing::readBytes(replaced + ".bak"), text);
    EXPECT_NE(testing::readBytes(replaced), text);
}

}  // namespace
}  // namespace chronoflip
