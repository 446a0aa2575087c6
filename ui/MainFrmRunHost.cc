#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <algorithm>
#include <limits>

#include "ui/MainFrm.h"
#include "ui/QtText.h"

namespace chronoflip {

namespace {

// The window is repainted this often during a long file.
constexpr qint64 kPaintIntervalMs = 30;
// Reading the clock costs more than rewriting a line where it is a system call (under wine,
// for one): it is read once every so many lines, a fraction of a millisecond apart.
constexpr std::int64_t kLinesPerClockReading = 1024;

}  // namespace

// Text typed into the box chooses no item, whatever item was chosen before.
int TFrm_Main::outputMode() {
    const int index = CbxOutputFile->currentIndex();
    return index >= 0 && CbxOutputFile->currentText() == CbxOutputFile->itemText(index) ? index
                                                                                        : -1;
}

void TFrm_Main::fileStarted(std::size_t index, const std::string&) {
    FileListBox->setCurrentRow(static_cast<int>(index));
}

// Heard for every line: the bar is only touched when what it shows changes, and the
// window repainted at most every few milliseconds.
void TFrm_Main::progressed(const Progress& progress) {
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

void TFrm_Main::fileDone(std::string_view logLine) {
    appendLog(logLine);
}

void TFrm_Main::fileSkipped(const std::string&, std::string_view reason) {
    services_.dialogs.showInformation(this, fromUtf8(reason));
}

void TFrm_Main::runFinished(std::span<const std::string_view> closingLog) {
    for (std::string_view line : closingLog) appendLog(line);
}

void TFrm_Main::appendLog(std::string_view line) {
    Mem->appendPlainText(fromUtf8(line));
}

// A bar counts in int, so a measure beyond it (the bytes of a large file) is scaled down;
// it cannot show an empty range, so a maximum of 0 is drawn as a range of one step.
// Positions past the maximum show a full bar.
void TFrm_Main::showProgress() {
    const std::int64_t scale = progress_.maximum / std::numeric_limits<int>::max() + 1;
    const int barMaximum = std::max(static_cast<int>(progress_.maximum / scale), 1);
    const int shown =
        progress_.position >= progress_.maximum
            ? barMaximum
            : static_cast<int>(std::clamp<std::int64_t>(progress_.position / scale, 0, barMaximum));
    if (PBar->maximum() != barMaximum) PBar->setRange(0, barMaximum);
    if (PBar->value() != shown) PBar->setValue(shown);
}

}  // namespace chronoflip
