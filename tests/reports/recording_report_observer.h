#pragma once

#include <string>
#include <vector>

#include "reports/report_date_reset.h"

namespace chronoflip::testing {

// A report reset observer that remembers everything the reset told it, as the report
// window's memo and list would show it.
class RecordingReportObserver final : public ReportResetObserver {
  public:
    void logStarted() override {
        memo.clear();
        log.push_back("<log starts>");
    }
    void logLine(std::string_view line) override {
        memo.emplace_back(line);
        log.emplace_back(line);
    }
    void folderListed(const FolderListing& listing) override { listings.push_back(listing); }
    void reportShown(std::string_view name, const std::vector<std::string>& lines) override {
        memo = lines;
        log.push_back("<shows " + std::string(name) + ">");
    }
    void reportAlreadyReset(std::string_view message) override { messages.emplace_back(message); }

    std::vector<std::string> memo;  // what the memo shows
    std::vector<std::string> log;   // the log's start, every line, each report shown, in order
    std::vector<FolderListing> listings;
    std::vector<std::string> messages;
};

}  // namespace chronoflip::testing
