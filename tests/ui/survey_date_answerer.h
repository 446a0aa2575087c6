#pragma once

#include <QObject>
#include <QPoint>
#include <vector>

class QRadioButton;

namespace chronoflip {
class SurveyDateWindow;
}

namespace chronoflip::testing {

// Answers the survey-date dialog each time it opens, as the user would: notes how it
// opened, selects the answer and closes it.
class SurveyDateAnswerer final : public QObject {
  public:
    enum class Closing { Ok, CloseBox };

    explicit SurveyDateAnswerer(SurveyDateWindow& dialog);

    int answer = -1;  // the item the user selects; -1 leaves the selection as it opened
    Closing closing = Closing::Ok;

    // One entry per opening.
    struct Opening {
        int selected;  // the item selected as the dialog opened, -1 for none
        bool modal;    // the dialog blocked the other windows
        QPoint place;
    };
    std::vector<Opening> openings;

    // The dialog's items in their order; the index is the choice.
    std::vector<QRadioButton*> items() const;
    int selected() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void respond();

    SurveyDateWindow& dialog_;
};

}  // namespace chronoflip::testing
