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

std::string TFrm_Main::caption() {
    return windowTitle().toStdString();
}

void TFrm_Main::disableProcessButton() {
    BtnProcess->setEnabled(false);
}

int TFrm_Main::fileCount() {
    return FileListBox->count();
}

std::string TFrm_Main::fileAt(int index) {
    return FileListBox->item(index)->text().toStdString();
}

void TFrm_Main::selectFile(int index) {
    FileListBox->setCurrentRow(index);
}

void TFrm_Main::appendLog(std::string_view line) {
    Mem->appendPlainText(fromUtf8(line));
}

void TFrm_Main::showMessage(std::string_view text) {
    services_.dialogs.showInformation(this, fromUtf8(text));
}

// Text typed into the box chooses no item, whatever item was chosen before.
int TFrm_Main::outputMode() {
    const int index = CbxOutputFile->currentIndex();
    return index >= 0 && CbxOutputFile->currentText() == CbxOutputFile->itemText(index) ? index
                                                                                        : -1;
}

std::int32_t TFrm_Main::lineCount(int index) {
    return lineCounts_.at(static_cast<std::size_t>(index));
}

// The engine's date text, so the window stamps exactly what the command line does.
std::string TFrm_Main::todayText() {
    return shortDateText(localNow());
}

void TFrm_Main::setProgressMax(std::int32_t maximum) {
    progressMax_ = maximum;
    showProgress();
}

// Called for every line: the bar is only touched when what it shows changes, and the
// window repainted at most every few milliseconds.
void TFrm_Main::setProgressPosition(std::int32_t position) {
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
void TFrm_Main::showProgress() {
    const int barMaximum = std::max(progressMax_, 1);
    const int shown = progressPosition_ >= progressMax_
                          ? barMaximum
                          : std::clamp(progressPosition_, 0, barMaximum);
    if (PBar->maximum() != barMaximum) PBar->setRange(0, barMaximum);
    if (PBar->value() != shown) PBar->setValue(shown);
}

}  // namespace chronoflip
