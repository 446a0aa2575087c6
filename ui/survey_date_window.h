#pragma once

#include <QDialog>

#include "reports/survey_date.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace chronoflip {

// The survey-date dialog, asked modally when a report folder gives no correction pair.
// There is no cancel: whatever is selected when it closes, however it closes, is the answer.
class TFrm_Date final : public QDialog, public SurveyDateDialog {
    Q_OBJECT

  public:
    explicit TFrm_Date(QWidget& mainWindow);

    int chooseSurveyDate(int preset) override;

  private:
    void BtnOkClick();

    QGroupBox* RadGrpDate = nullptr;
    QButtonGroup* choices_ = nullptr;
    QPushButton* BtnOk = nullptr;
};

}  // namespace chronoflip
