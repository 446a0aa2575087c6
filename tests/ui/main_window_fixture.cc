#include "main_window_fixture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <utility>

#include "ui/preview_table_model.h"

namespace chronoflip::testing {

MainWindowFixture::MainWindowFixture()
    : settingsPath(QString::fromStdString(folder.file("settings/Chronoflip.ini"))),
      settings(settings::iniSettings(settingsPath)),
      programFolder(QString::fromStdString(folder.file("program"))) {}

MainWindowFixture::~MainWindowFixture() = default;

namespace {

// A window takes its restored placement (and state) once it is on the screen.
void waitUntilPlaced(QWidget& window) {
    static_cast<void>(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
}

}  // namespace

void MainWindowFixture::start(const QStringList& namedFiles) {
    windows_ = std::make_unique<ProgramWindows>(
        ProgramServices{dialogs, files, reportFiles, shell, settings, programFolder});
    windows_->show(namedFiles);
    QApplication::setActiveWindow(&main());
    static_cast<void>(QTest::qWaitForWindowActive(&main()));
    waitUntilPlaced(main());
}

bool MainWindowFixture::close() {
    return main().close();
}

void MainWindowFixture::open(const QStringList& paths) {
    dialogs.fileChoices.push_back(paths);
    control<QToolButton>("BtnOpen").click();
}

void MainWindowFixture::clickProcess() {
    control<QToolButton>("BtnProcess").click();
}

void MainWindowFixture::reports(const std::string& chosenFolder) {
    dialogs.folderChoices.push_back(QString::fromStdString(chosenFolder));
    control<QToolButton>("BtnReports").click();
    if (report().isVisible()) waitUntilPlaced(report());
}

QString MainWindowFixture::writeFile(const std::string& name, const std::string& text) {
    return QString::fromStdString(folder.write(name, text));
}

QStringList MainWindowFixture::log() {
    return control<QPlainTextEdit>("Mem").toPlainText().split(QLatin1Char('\n'));
}

QStringList MainWindowFixture::reportEntries() {
    QStringList names;
    auto& list = reportControl<QListWidget>("FileLBx");
    for (int i = 0; i < list.count(); ++i) names << list.item(i)->text();
    return names;
}

QStringList MainWindowFixture::reportMemo() {
    return reportControl<QPlainTextEdit>("Mem").toPlainText().split(QLatin1Char('\n'));
}

void MainWindowFixture::clickResetDates() {
    reportControl<QPushButton>("BtnDate").click();
}

QStringList MainWindowFixture::previewRow(int row) {
    const auto& grid = static_cast<const PreviewTableModel&>(*control<QTableView>("StrGr").model());
    QStringList cells;
    for (int column = 0; column < kPreviewColumns; ++column) cells << grid.cell(column, row);
    return cells;
}

int MainWindowFixture::previewRows() {
    return static_cast<const PreviewTableModel&>(*control<QTableView>("StrGr").model()).gridRows();
}

void queueClick(QWidget& widget) {
    const QPointF centre = QRectF(widget.rect()).center();
    const QPointF global = widget.mapToGlobal(centre);
    for (const auto& [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                        std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QCoreApplication::postEvent(&widget, new QMouseEvent(type, centre, global, Qt::LeftButton,
                                                             buttons, Qt::NoModifier));
    }
}

// The platform window turns it into the close event the widget gets from the window system.
void queueCloseRequest(QWidget& window) {
    QCoreApplication::postEvent(window.windowHandle(), new QCloseEvent);
}

std::map<QString, QString> storedSection(const QString& path, const QString& section) {
    QSettings store(path, QSettings::IniFormat);
    store.beginGroup(section);
    std::map<QString, QString> values;
    for (const QString& key : store.childKeys()) values[key] = store.value(key).toString();
    return values;
}

}  // namespace chronoflip::testing
