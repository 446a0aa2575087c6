#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// The one screen the offscreen platform gives the window tests: 1920 x 1200 at 96 dots
// per inch, on which every window's designed place lies whole. Windows get a frame.
constexpr char kOffscreenScreens[] = R"({
    "windowFrameMargins": true,
    "screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1920, "height": 1200,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]
})";

}  // namespace

// Window tests need an application object; they run without a display (offscreen).
int main(int argc, char* argv[]) {
    // In the working folder, named without its folder: the platform's options are
    // separated by colons, and a Windows path has one after its drive letter.
    QTemporaryFile screens(QStringLiteral("offscreen_screens_XXXXXX.json"));
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.open()) {
        screens.write(kOffscreenScreens);
        screens.flush();
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" + QFile::encodeName(QFileInfo(screens).fileName()));
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chronoflip"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
