#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <algorithm>
#include <limits>

#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace chronoflip {

namespace {

// The window is repainted this often during a long file.
constexpr qint64 kPaintIntervalMs = 30;
// Reading the clock costs more than rewriting a line where it is a system call (under wine,
// for one): it is read once every so many lines, a fraction of a millisecond apart.
constexpr std::int64_t kLinesPerClockReading = 1024;

}  // namespace

// Text typed into the box chooses no item, whatever item was chosen before.
int MainWindow::outputMode() {
    const int index = outputModeBox_->currentIndex();
    return index >= 0 && outputModeBox_->currentText() == outputModeBox_->itemText(index) ? index
                                                                                          : -1;
}

void MainWindow::fileStarted(std::size_t index, const std::string&) {
    fileList_->setCurrentRow(static_cast<int>(index));
}

// Heard for every line: the bar is only touched when what it shows changes, and the
// window repainted at most every few milliseconds.
void MainWindow::progressed(const Progress& progress) {
    progress_ = progress;
    const bool atAnEnd = progress.position <= 0 || progress.position >= progress.maximum;
    const bool paintDue = ++progressEvents_ % kLinesPerClockReading == 0 && paintClock_.isValid() &&
                          paintClock_.hasExpired(kPaintIntervalMs);
    if (atAnEnd || paintDue) showProgress();
    if (paintDue) {
        // Input the user gives meanwhile goes to the run's UserInputBlock, which drops it.
        QCoreApplication::processEvents();
        paintClock_.restart();
    }
}

void MainWindow::fileDone(std::string_view logLine) {
    appendLog(logLine);
}

void MainWindow::fileConverted(std::string_view note) {
    appendLog(note);
}

void MainWindow::fileSkipped(const std::string&, std::string_view reason) {
    services_.dialogs.showInformation(this, fromUtf8(reason));
}

void MainWindow::runFinished(std::span<const std::string_view> closingLog) {
    for (std::string_view line : closingLog) appendLog(line);
}

void MainWindow::appendLog(std::string_view line) {
    log_->appendPlainText(fromUtf8(line));
}

// A bar counts in int, so a measure beyond it (the bytes of a large file) is scaled down;
// it cannot show an empty range, so a maximum of 0 is drawn as a range of one step.
// Positions past the maximum show a full bar.
void MainWindow::showProgress() {
    const std::int64_t scale = progress_.maximum / std::numeric_limits<int>::max() + 1;
    const int barMaximum = std::max(static_cast<int>(progress_.maximum / scale), 1);
    const int shown =
        progress_.position >= progress_.maximum
            ? barMaximum
            : static_cast<int>(std::clamp<std::int64_t>(progress_.position / scale, 0, barMaximum));
    if (progressBar_->maximum() != barMaximum) progressBar_->setRange(0, barMaximum);
    if (progressBar_->value() != shown) progressBar_->setValue(shown);
}

}  // namespace chronoflip
