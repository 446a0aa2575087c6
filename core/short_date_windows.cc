#include "core/windows_api.h"

#include <string>

#include "core/error.h"
#include "core/short_date.h"

namespace chronoflip {

namespace {

[[noreturn]] void throwFormatError() {
    const DWORD error = GetLastError();
    throw Error("The date cannot be written in the short date format (system error " +
                std::to_string(error) + ")");
}

}  // namespace

// The user's short date as the Control Panel sets it, in the user's calendar.
std::string shortDateText(const std::tm& date) {
    SYSTEMTIME day{};
    day.wYear = static_cast<WORD>(date.tm_year + 1900);
    day.wMonth = static_cast<WORD>(date.tm_mon + 1);
    day.wDay = static_cast<WORD>(date.tm_mday);
    day.wDayOfWeek = static_cast<WORD>(date.tm_wday);
    const int size = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, nullptr, 0);
    if (size == 0) throwFormatError();
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, text.data(), size) ==
        0) {
        throwFormatError();
    }
    text.resize(static_cast<std::size_t>(size) - 1);  // the count includes the closing null
    return asciiDateText(text, date);
}

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return local;
}

}  // namespace chronoflip
