// Times the main window's Open and Process on the files named, clicked as a user would, so
// the window's run can be set against the command line's on the same files:
//   window_run FILE...     (prefix mode: each file gets its e_ copy)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

#include "app/program_window_set.h"
#include "reports/report_files.h"

namespace {

using chronoflip::FileChoice;

// Answers the Open dialog with the files named and prints any message box.
class ScriptedDialogs final : public chronoflip::UserDialogs {
  public:
    explicit ScriptedDialogs(QStringList files) : files_(std::move(files)) {}
    QStringList chooseFiles(QWidget*, const FileChoice&) override { return files_; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    void showInformation(QWidget*, const QString& text) override { report(text); }
    void showError(QWidget*, const QString& text) override { report(text); }
    bool failed = false;

  private:
    void report(const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        failed = true;
    }
    QStringList files_;
};

class NoShell final : public chronoflip::DesktopShell {
  public:
    bool openDocument(const QString&) noexcept override { return false; }
};

double secondsOf(QToolButton& button) {
    QElapsedTimer clock;
    clock.start();
    button.click();
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList files = QApplication::arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: window_run FILE...\n");
        return 2;
    }
    const QTemporaryDir settingsFolder;
    ScriptedDialogs dialogs(std::move(files));
    chronoflip::LocalFileSystem localFiles;
    chronoflip::LocalReportFiles reportFiles;
    NoShell shell;
    chronoflip::ProgramWindows windows(
        {dialogs, localFiles, reportFiles, shell,
         chronoflip::settings::iniSettings(settingsFolder.filePath("Chronoflip.ini"))});
    chronoflip::MainWindow& main = windows.mainWindow;
    main.show();
    main.findChild<QComboBox*>(QStringLiteral("CbxOutputFile"))->setCurrentIndex(0);

    const double open = secondsOf(*main.findChild<QToolButton*>(QStringLiteral("BtnOpen")));
    const double process = secondsOf(*main.findChild<QToolButton*>(QStringLiteral("BtnProcess")));
    std::printf("open %.3f s, process %.3f s\n", open, process);
    return dialogs.failed ? 1 : 0;
}
