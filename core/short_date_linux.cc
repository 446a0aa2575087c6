#include <locale.h>
#include <wchar.h>

#include <iterator>
#include <memory>
#include <new>
#include <type_traits>

#include "core/short_date.h"

namespace chronoflip {

namespace {

struct LocaleFree {
    void operator()(locale_t locale) const { freelocale(locale); }
};
using Locale = std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleFree>;

// The user's LC_TIME from the environment, in an object of its own: the process locale,
// which a window toolkit may have set to anything, stays as it is. A user locale that is
// not installed leaves the POSIX one, as it does for every other program.
Locale userTimeLocale() {
    locale_t locale = newlocale(LC_TIME_MASK, "", nullptr);
    if (locale == nullptr) locale = newlocale(LC_TIME_MASK, "C", nullptr);
    if (locale == nullptr) throw std::bad_alloc();
    return Locale(locale);
}

}  // namespace

// Wide characters straight from the locale's tables, whatever LC_CTYPE says. A format
// that gives nothing, or more than the buffer, leaves the text empty: the ISO date then.
std::string shortDateText(const std::tm& date) {
    const Locale locale = userTimeLocale();
    wchar_t text[256];
    const std::size_t length = wcsftime_l(text, std::size(text), L"%x", &date, locale.get());
    return asciiDateText(std::wstring_view(text, length), date);
}

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace chronoflip
