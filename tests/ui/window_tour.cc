// Puts the program's windows where scripts/screenshots.sh takes its pictures: the files
// named are opened as on the program's command line, then
//   window_tour run REPORT_FOLDER FILE...     Process runs over them;
//   window_tour reset REPORT_FOLDER FILE...   Process runs, Reports browses to the report
//                                             folder, Reset Dates resets it, and Reports
//                                             shows the folder again.
// The windows then stay up until the program is ended. Only the folder browser is answered
// (with REPORT_FOLDER) and the summary page is not opened; any message box is the
// platform's own, so it shows in the pictures.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "app/program_window_set.h"
#include "core/utf8_arguments.h"
#include "reports/report_files.h"
#include "ui/given_files.h"
#include "ui/platform_dialogs.h"

namespace {

class TourDialogs final : public chronoflip::UserDialogs {
  public:
    explicit TourDialogs(QString reportFolder) : reportFolder_(std::move(reportFolder)) {}
    QStringList chooseFiles(QWidget*, const chronoflip::FileChoice&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override {
        return reportFolder_;
    }
    void showInformation(QWidget* owner, const QString& text) override {
        platform_.showInformation(owner, text);
    }
    void showError(QWidget* owner, const QString& text) override {
        platform_.showError(owner, text);
    }

  private:
    QString reportFolder_;
    chronoflip::PlatformDialogs platform_;
};

class SilentShell final : public chronoflip::DesktopShell {
  public:
    bool openDocument(const QString&) noexcept override { return true; }
};

constexpr std::chrono::seconds kPause{1};

template <typename Button>
void click(QWidget& window, const char* name) {
    window.findChild<Button*>(QLatin1String(name))->click();
}

}  // namespace

int main(int argc, char* argv[]) {
    chronoflip::Utf8Arguments arguments(argc, argv);
    int count = arguments.argc();
    QApplication application(count, arguments.argv());
    QApplication::setApplicationName(QStringLiteral("Chronoflip"));
    QApplication::setOrganizationName(QStringLiteral("Kellimore"));
    const bool reset = count > 1 && std::strcmp(arguments.argv()[1], "reset") == 0;
    if (count < 4 || (!reset && std::strcmp(arguments.argv()[1], "run") != 0)) {
        std::fprintf(stderr, "usage: window_tour run|reset REPORT_FOLDER FILE...\n");
        return 2;
    }
    // The report folder and the files, after the step.
    const QStringList given = chronoflip::namedFiles(count - 1, arguments.argv() + 1);

    TourDialogs dialogs(given[0]);
    chronoflip::LocalFileSystem files;
    chronoflip::LocalReportFiles reportFiles;
    SilentShell shell;
    chronoflip::ProgramWindows windows(
        {dialogs, files, reportFiles, shell, chronoflip::settings::userSettings()});
    windows.show(given.mid(1));
    // After the opening, which show() queues; each further step once the window manager
    // has taken in the last one, as a user's next click would find it.
    QMetaObject::invokeMethod(
        &windows.mainWindow,
        [&windows, reset] {
            click<QToolButton>(windows.mainWindow, "BtnProcess");
            if (reset) click<QToolButton>(windows.mainWindow, "BtnReports");
        },
        Qt::QueuedConnection);
    if (reset) {
        QTimer::singleShot(kPause, &windows.reportWindow,
                           [&windows] { click<QPushButton>(windows.reportWindow, "BtnDate"); });
        QTimer::singleShot(2 * kPause, &windows.mainWindow,
                           [&windows] { click<QToolButton>(windows.mainWindow, "BtnReports"); });
    }
    return QApplication::exec();
}
