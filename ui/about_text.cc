#include "ui/about_text.h"

#include "core/version.h"
#include "ui/credits.h"
#include "ui/help_page.h"
#include "ui/qt_text.h"

namespace chronoflip {

namespace {

constexpr auto kUse =
    "What it does.\n"
    "Older survey office software such as TGO and GPSurvey refuses satellite data with "
    "recent dates. Select several RINEX observation, navigation or SP3 orbit files: the "
    "program opens them read-only and sets every date and time stamp back to a valid date "
    "with the same day of the week; only the year and the matching GPS week change.\n"
    "The modified files are written into the same folder with the prefix e_, or with a "
    "file extension that holds the new year (for GPSurvey users). When overwriting is "
    "chosen, each source file is moved aside to its own name with .bak appended.\n";

// The history of the versions, newest first. The newest is the program's own, whose number
// the build gives.
constexpr auto kThisVersionChanges =
    " date 2016.02.18\n"
    "- new year offset 28 years & week offset 1461 for leap year 2016. \n";

constexpr auto kEarlierVersions =
    "\n"
    "1.7 date 2014.03.09\n"
    "- year offset changed to 6 years: the 22 year offset gave problems with the leap "
    "year 1922.\n"
    "\n"
    "1.6 date 2013.04.13\n"
    "- fix: missing blank in the GPS week of line 2 of SP3 files.\n"
    "\n"
    "1.5 date 2013.03.04\n"
    "- year offset (22 years) for data collected after 1 March 2013.\n"
    "\n"
    "1.4 date 2012.06.11\n"
    "- year offset (22 years) for data collected after the leap day of 2016, from "
    "1 March 2016.\n"
    "- option to save with the new year in the file extension (for GPSurvey reports).\n"
    "- option to overwrite the source file, kept with .bak appended.\n"
    "- browse to TGO baseline reports to set their dates back to the date of survey.\n"
    "\n"
    "1.3 date 2011.11.24\n"
    "- files with upper case extensions are processed.\n"
    "- comments about the date reset added to the header.\n"
    "\n"
    "1.2 date 2011.11.13\n"
    "- epochs collected past midnight Greenwich time change the year too.\n"
    "- leap second header records made comments, to avoid warnings on import in TGO.\n"
    "- data collected up to 2020.02.29 converted.\n"
    "- preview of the collected data in observation files.\n"
    "\n"
    "1.1 date 2011.10.24\n"
    "- SP3 orbit files supported.\n"
    "\n"
    "1.0 date 2011.10.18\n"
    "- only observation and navigation files.\n"
    "- tested only with single point FS files.\n"
    "- RINEX 2.10 and 2.11 supported.\n";

// There is no address of the contributors' own to give: a web site when the build names
// one, otherwise the guide.
QString feedback(const HelpPage& help) {
    if (!help.webAddress().isEmpty()) {
        return QStringLiteral("Feedback and news: ") + help.webAddress();
    }
    return QStringLiteral(
        "Please pass it on to whoever gave you this copy of Chronoflip. The banner below opens "
        "the user guide.");
}

}  // namespace

QString aboutText(const HelpPage& help) {
    return QStringLiteral("Chronoflip.exe  %1\n\n%2\n\n%3\nFeedback.\n%4\n\nVersion info.\n%1%5%6")
        .arg(fromUtf8(kProgramVersion), QLatin1String(kAboutCredits), QLatin1String(kUse),
             feedback(help), QLatin1String(kThisVersionChanges), QLatin1String(kEarlierVersions));
}

}  // namespace chronoflip
