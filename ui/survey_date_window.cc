#include "ui/survey_date_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

#include "core/error.h"
#include "ui/qt_text.h"
#include "ui/widget_placement_target.h"
#include "ui/window_fonts.h"

namespace chronoflip {

namespace {

constexpr QPoint kDesignedPosition(1238, 357);
constexpr QSize kClientSize(384, 176);

}  // namespace

SurveyDateWindow::SurveyDateWindow(QWidget& mainWindow)
    : QDialog(&mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Frm_Date"));
    setWindowTitle(QStringLiteral("Date of survey"));
    setFont(windowFont(kSmallFontPixels));
    setFixedSize(kClientSize);

    auto* periods = new QGroupBox(QStringLiteral("Choose Date of Survey"), this);
    periods->setObjectName(QStringLiteral("RadGrpDate"));
    periods->setFont(windowFont(kSmallFontPixels, true));
    periods->setGeometry(8, 8, 369, 129);
    auto* column = new QVBoxLayout(periods);
    choices_ = new QButtonGroup(this);
    for (std::size_t choice = 0; choice < kSurveyDateItems.size(); ++choice) {
        auto* item = new QRadioButton(fromUtf8(kSurveyDateItems[choice].text), periods);
        column->addWidget(item);
        choices_->addButton(item, static_cast<int>(choice));
    }

    auto* okButton = new QPushButton(QStringLiteral("Ok"), this);
    okButton->setObjectName(QStringLiteral("BtnOk"));
    okButton->setGeometry(304, 144, 75, 25);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

int SurveyDateWindow::chooseSurveyDate(int preset) {
    QAbstractButton* presetItem = choices_->button(preset);
    if (presetItem == nullptr) throw Error("No survey date choice " + std::to_string(preset));
    presetItem->setChecked(true);
    presetItem->setFocus();
    // The dialog opens with its frame at the same place every time; it keeps no placement.
    // On screens narrower than about 1630 pixels that place would leave Ok out of reach, so
    // there it moves just onto the screen.
    placeOuter(*this, MinimiseScope::Window, QRect(kDesignedPosition, frameGeometry().size()));
    keepOnScreen(*this, MinimiseScope::Window);
    exec();
    return choices_->checkedId();
}

}  // namespace chronoflip
