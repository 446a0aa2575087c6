#pragma once

#include <functional>
#include <string>
#include <vector>

#include "reports/report_host.h"
#include "reports/report_list.h"
#include "reports/working_folder.h"

namespace chronoflip::testing {

// A report window that remembers everything the reset asked of it.
class RecordingReportHost final : public ReportHost {
  public:
    explicit RecordingReportHost(const std::string& startFolder)
        : workingFolder_(startFolder), list_(workingFolder_) {}

    ReportList& reportList() override { return list_; }
    void clearMemo() override { memo.clear(); }
    void appendMemoLine(std::string_view line) override {
        memo.emplace_back(line);
        log.emplace_back(line);
    }
    void showReport(std::string_view name, const std::vector<std::string>& lines) override {
        memo = lines;
        log.push_back("<shows " + std::string(name) + ">");
    }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    CorrectionPair surveyDateQuery() override {
        ++surveyDateQueries;
        if (duringSurveyDateQuery) duringSurveyDateQuery();
        return surveyDateAnswer;
    }
    void shellOpen(const std::string& path) override { opened.push_back(path); }
    void closeWindow() override { closed = true; }

    CorrectionPair surveyDateAnswer{28, 1461};
    std::function<void()> duringSurveyDateQuery;

    std::vector<std::string> memo;  // what the memo shows
    std::vector<std::string> log;   // every line appended, and each report shown, in order
    std::vector<std::string> messages;
    std::vector<std::string> opened;
    int surveyDateQueries = 0;
    bool closed = false;

  private:
    WorkingFolder workingFolder_;
    ReportList list_;
};

}  // namespace chronoflip::testing
