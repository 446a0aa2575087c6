#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>
#include <algorithm>

#include "core/calendar.h"
#include "core/short_date.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace chronoflip {

namespace {

// The window is repainted this often during a long file.
constexpr qint64 kPaintIntervalMs = 30;
// Reading the clock costs more than rewriting a line where it is a system call (under wine,
// for one): it is read once every so many lines, a fraction of a millisecond apart.
constexpr std::int32_t kLinesPerClockReading = 1024;

}  // namespace

std::string MainWindow::caption() {
    return windowTitle().toStdString();
}

void MainWindow::disableProcessButton() {
    processButton_->setEnabled(false);
}

int MainWindow::fileCount() {
    return fileList_->count();
}

std::string MainWindow::fileAt(int index) {
    return fileList_->item(index)->text().toStdString();
}

void MainWindow::selectFile(int index) {
    fileList_->setCurrentRow(index);
}

void MainWindow::appendLog(std::string_view line) {
    log_->appendPlainText(fromUtf8(line));
}

void MainWindow::showMessage(std::string_view text) {
    services_.dialogs.showInformation(this, fromUtf8(text));
}

// Text typed into the box chooses no item, whatever item was chosen before.
int MainWindow::outputMode() {
    const int index = outputModeBox_->currentIndex();
    return index >= 0 && outputModeBox_->currentText() == outputModeBox_->itemText(index) ? index
                                                                                          : -1;
}

std::int32_t MainWindow::lineCount(int index) {
    return lineCounts_.at(static_cast<std::size_t>(index));
}

// The engine's date text, so the window stamps exactly what the command line does.
std::string MainWindow::todayText() {
    return shortDateText(localNow());
}

void MainWindow::setProgressMax(std::int32_t maximum) {
    progressMax_ = maximum;
    showProgress();
}

// Called for every line: the bar is only touched when what it shows changes, and the
// window repainted at most every few milliseconds.
void MainWindow::setProgressPosition(std::int32_t position) {
    progressPosition_ = position;
    const bool atAnEnd = position <= 0 || position >= progressMax_;
    const bool paintDue = position % kLinesPerClockReading == 0 && paintClock_.isValid() &&
                          paintClock_.hasExpired(kPaintIntervalMs);
    if (atAnEnd || paintDue) showProgress();
    if (paintDue) {
        // Input the user gives meanwhile goes to the run's UserInputBlock, which drops it.
        QCoreApplication::processEvents();
        paintClock_.restart();
    }
}

// A bar cannot show an empty range: a maximum of 0 is drawn as a range of one step.
// Positions past the maximum show a full bar.
void MainWindow::showProgress() {
    const int barMaximum = std::max(progressMax_, 1);
    const int shown = progressPosition_ >= progressMax_
                          ? barMaximum
                          : std::clamp(progressPosition_, 0, barMaximum);
    if (progressBar_->maximum() != barMaximum) progressBar_->setRange(0, barMaximum);
    if (progressBar_->value() != shown) progressBar_->setValue(shown);
}

}  // namespace chronoflip
