// Files reach the main window three ways: chosen with Open, dropped onto it, and named on
// the program's command line. The last two are taken as the first.
#include <gtest/gtest.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <filesystem>

#include "main_window_fixture.h"
#include "rinex_samples.h"
#include "ui/given_files.h"

namespace chronoflip {
namespace {

using testing::MainWindowFixture;
using testing::observationFile;

const QStringList kEmptyRow{"", "", "", "", ""};

QStringList listed(MainWindowFixture& f) {
    QStringList paths;
    auto& list = f.control<QListWidget>("FileListBox");
    for (int i = 0; i < list.count(); ++i) paths << list.item(i)->text();
    return paths;
}

bool processEnabled(MainWindowFixture& f) {
    return f.control<QToolButton>("BtnProcess").isEnabled();
}

std::unique_ptr<QMimeData> filesDragged(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Over the middle of a control of the window, in the window's coordinates.
QPoint over(QWidget& window, QWidget& control) {
    return control.mapTo(&window, control.rect().center());
}

// Drags the data over the window as the platform does: enter, move, then a drop when the
// window took the drag and a leave when it did not. True when it took the drag.
bool drop(QWidget& window, QPoint at, const QMimeData& data,
          Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction,
          Qt::DropAction proposed = Qt::CopyAction, Qt::DropAction* taken = nullptr) {
    QWindow* platformWindow = window.windowHandle();
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(proposed);
    QCoreApplication::sendEvent(platformWindow, &enter);
    QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted() && enter.dropAction() != Qt::IgnoreAction) {
        move.setDropAction(enter.dropAction());
        move.accept();
    }
    QCoreApplication::sendEvent(platformWindow, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(platformWindow, &leave);
        return false;
    }
    QDropEvent dropped(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    dropped.setDropAction(move.dropAction());
    QCoreApplication::sendEvent(platformWindow, &dropped);
    if (taken != nullptr) *taken = dropped.dropAction();
    return true;
}

class GivenFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        obs = f.writeFile("abcd0490.16o", observationFile({"P1"}, "RX1", "ANT1", "1.2"));
        upper = f.writeFile("ABCD0500.16O", observationFile({"P2", "P3"}));
        f.start();
    }

    MainWindowFixture f;
    QString obs;
    QString upper;
};

// Onto the log, which takes dropped text of its own, as anywhere else on the window.
TEST_F(GivenFilesTest, DroppedFilesAreTakenAsOpenTakesThem) {
    const QString nav = f.writeFile("brdc0490.16n", testing::navigationFile());
    f.main().fileDone("earlier run");
    const auto data = filesDragged({obs, nav, upper});
    Qt::DropAction taken = Qt::IgnoreAction;

    EXPECT_TRUE(drop(f.main(), over(f.main(), f.control<QPlainTextEdit>("Mem")), *data,
                     Qt::CopyAction | Qt::MoveAction, Qt::MoveAction, &taken));

    // A source told of a move would delete its files.
    EXPECT_EQ(taken, Qt::CopyAction);
    EXPECT_EQ(listed(f), (QStringList{obs, nav, upper}));
    EXPECT_EQ(f.control<QListWidget>("FileListBox").currentRow(), 0);
    EXPECT_TRUE(processEnabled(f));
    EXPECT_EQ(f.log(), QStringList{""});
    EXPECT_EQ(f.previewRow(1), (QStringList{"P1", "abcd0490.16o", "RX1", "ANT1", "1.2"}));
    EXPECT_EQ(f.previewRow(3)[0], "P3");
    EXPECT_TRUE(f.dialogs.dialogSettings.empty());
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
}

// Open takes no folder, no name without a file and nothing but local files: a drag that
// carries one of them is refused whole, and the window stays as it was.
TEST_F(GivenFilesTest, ADragOpenWouldNotTakeIsRefused) {
    f.open({obs});
    const QString missing = QString::fromStdString(f.folder.file("gone.16o"));
    const QString folder = QString::fromStdString(f.folder.file("project"));
    std::filesystem::create_directories(folder.toStdString());
    const QPoint at = over(f.main(), f.control<QListWidget>("FileListBox"));

    EXPECT_FALSE(drop(f.main(), at, *filesDragged({upper, missing})));
    EXPECT_FALSE(drop(f.main(), at, *filesDragged({folder})));
    EXPECT_FALSE(drop(f.main(), at, *filesDragged({})));
    QMimeData web;
    web.setUrls({QUrl::fromLocalFile(upper), QUrl(QStringLiteral("https://igs.example/a.16o"))});
    EXPECT_FALSE(drop(f.main(), at, web));
    // A drag that offers no copy.
    EXPECT_FALSE(drop(f.main(), at, *filesDragged({upper}), Qt::MoveAction, Qt::MoveAction));

    EXPECT_EQ(listed(f), QStringList{obs});
    EXPECT_EQ(f.previewRow(1)[0], "P1");
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
}

// A drop made while Process runs waits among the program's events like a click; it is
// dropped with them, and a drop after the run is taken again.
TEST_F(GivenFilesTest, ADropDuringARunIsIgnored) {
    f.open({obs});
    const auto data = filesDragged({upper});
    QWindow* platformWindow = f.main().windowHandle();
    const QPoint at = over(f.main(), f.control<QListWidget>("FileListBox"));
    QCoreApplication::postEvent(
        platformWindow, new QDragEnterEvent(at, Qt::CopyAction, data.get(), Qt::LeftButton, {}));
    QCoreApplication::postEvent(
        platformWindow, new QDragMoveEvent(at, Qt::CopyAction, data.get(), Qt::LeftButton, {}));
    QCoreApplication::postEvent(platformWindow,
                                new QDropEvent(at, Qt::CopyAction, data.get(), Qt::LeftButton, {}));

    f.clickProcess();
    QTest::qWait(20);

    EXPECT_EQ(listed(f), QStringList{obs});
    EXPECT_FALSE(processEnabled(f));
    EXPECT_TRUE(drop(f.main(), at, *data));
    EXPECT_EQ(listed(f), QStringList{upper});
}

// What a desktop passes on a drop onto the program's icon, "Open with" and "Send to": a
// name relative to the folder the program starts in, and one beyond ASCII.
TEST(GivenFilesStartTest, FilesNamedOnTheCommandLineAreOpenedAtStart) {
    MainWindowFixture f;
    const std::string data = CHRONOFLIP_UI_TEST_DATA;
    const QString base =
        f.writeFile("Øresund 2016/base0480.16o", testing::readBytes(data + "/base0480.16o"));
    f.writeFile("rovr0480.16o", testing::readBytes(data + "/rovr0480.16o"));
    const QString startFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(f.folder.file(""))));
    std::string program = "chronoflip";
    std::string relative = "rovr0480.16o";
    std::string named = base.toStdString();
    char* argv[] = {program.data(), relative.data(), named.data(), nullptr};
    const QStringList files = namedFiles(3, argv);
    ASSERT_TRUE(QDir::setCurrent(startFolder));

    f.start(files);

    const QString rover = QString::fromStdString(f.folder.file("rovr0480.16o"));
    EXPECT_EQ(listed(f), (QStringList{rover, base}));
    EXPECT_TRUE(processEnabled(f));
    EXPECT_EQ(f.previewRow(1), (QStringList{"PT101", "rovr0480.16o", "TRIMBLE R8S",
                                            "TRM59800.00     NONE", "1.8000"}));
    EXPECT_EQ(f.previewRow(2), (QStringList{"PT102", "rovr0480.16o", "TRIMBLE R8S",
                                            "TRM59800.00     NONE", "2.0000"}));
    EXPECT_EQ(f.previewRow(3), (QStringList{"PT103", "rovr0480.16o", "TRIMBLE R8S",
                                            "TRM59800.00     NONE", "1.8000"}));
    EXPECT_EQ(f.previewRow(4), (QStringList{"BASE", "base0480.16o", "TRIMBLE R10",
                                            "TRM57971.00     NONE", "1.5320"}));
    EXPECT_TRUE(f.dialogs.errors.isEmpty());
}

// Open would refuse the lot: the start says which file and opens none.
TEST(GivenFilesStartTest, AMissingNamedFileIsReportedAndNoneOpened) {
    MainWindowFixture f;
    const QString file = f.writeFile("a.16o", observationFile({"A"}));
    const QString missing = QString::fromStdString(f.folder.file("b.16o"));

    f.start({file, missing});

    EXPECT_EQ(f.dialogs.errors, QStringList{"File not found\n" + missing});
    EXPECT_TRUE(listed(f).isEmpty());
    EXPECT_FALSE(processEnabled(f));
    EXPECT_EQ(f.previewRow(1), kEmptyRow);
}

TEST(GivenFilesStartTest, AFolderNamedIsReported) {
    MainWindowFixture f;
    const QString folder = QString::fromStdString(f.folder.file("project"));
    std::filesystem::create_directories(folder.toStdString());

    f.start({folder});

    EXPECT_EQ(f.dialogs.errors, QStringList{"A folder, not a file\n" + folder});
    EXPECT_TRUE(listed(f).isEmpty());
}

}  // namespace
}  // namespace chronoflip
