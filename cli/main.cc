// chronoflip-cli: the date shift and the report date reset for scripts and terminals.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/reset_reports_command.h"
#include "cli/shift_command.h"
#include "core/utf8_arguments.h"
#include "core/version.h"

int main(int argc, char** argv) {
    CLI::App app{"Chronoflip: moves GNSS file dates 28 years back for older survey-office programs",
                 "chronoflip-cli"};
    app.set_version_flag("--version", std::string(chronoflip::kProgramVersion));
    app.require_subcommand(1);

    std::vector<std::string> files;
    using chronoflip::OutputMode;
    OutputMode mode = chronoflip::kDefaultOutputMode;
    const std::map<std::string, OutputMode> modes{{"prefix", OutputMode::kKeepWorkFile},
                                                  {"year", OutputMode::kYearInExtension},
                                                  {"overwrite", OutputMode::kOverwriteWithBackup}};
    static_assert(chronoflip::kDefaultOutputMode == OutputMode::kKeepWorkFile,
                  "the help text names prefix as the default");
    CLI::App* shift = app.add_subcommand(
        "shift",
        "Write copies of RINEX observation/navigation and SP3 files dated 28 years earlier");
    shift
        ->add_option("--mode", mode,
                     "prefix: keep e_<name> beside the source (default); year: rename it to the "
                     "shifted year's extension; overwrite: replace the source, keeping <name>.bak "
                     "(an existing one is never replaced)")
        ->transform(CLI::CheckedTransformer(modes, CLI::ignore_case));
    using chronoflip::KeptSystems;
    KeptSystems systems = chronoflip::kDefaultKeptSystems;
    const std::map<std::string, KeptSystems> systemChoices{
        {"G", KeptSystems::kGps},
        {"GR", KeptSystems::kGpsGlonass},
        {"GRES", KeptSystems::kGpsGlonassGalileoSbas}};
    static_assert(chronoflip::kDefaultKeptSystems == KeptSystems::kGpsGlonass,
                  "the help text names GR as the default");
    shift
        ->add_option("--systems", systems,
                     "Satellite systems a RINEX 3 or 4 observation file keeps in its RINEX 2.11 "
                     "copy: G (GPS), GR (GPS and GLONASS, default) or GRES (also Galileo and "
                     "SBAS); BeiDou, QZSS and NavIC are always left out")
        ->transform(CLI::CheckedTransformer(systemChoices, CLI::ignore_case));
    shift
        ->add_option("FILE", files,
                     "Files to shift, processed in the order given: RINEX observation (.yyo) and "
                     "navigation (.yyn), SP3 (.sp3), Compact RINEX (.yyd), RINEX 3 and 4 under "
                     "long names (..._MO.rnx, ..._MO.crx, ..._MN.rnx) or short ones, each also "
                     "as .gz or .Z; RINEX 3 and 4 are converted to RINEX 2.11; the shifted copy "
                     "is always plain text, named as the plain RINEX 2 file")
        ->required();

    std::string reportFolder;
    std::string pairText;
    bool openSummary = false;
    CLI::App* resetReports = app.add_subcommand(
        "reset-reports",
        "Move the times of the baseline reports B*.html of a report folder forward again, "
        "by the pair found in the project's shifted observation files");
    resetReports
        ->add_option("--pair", pairText,
                     "The pair to use when no shifted observation file gives one: " +
                         chronoflip::surveyPairChoices())
        ->check(CLI::Validator(
            [](std::string& text) {
                return chronoflip::parseSurveyPair(text)
                           ? std::string()
                           : "must be one of " + chronoflip::surveyPairChoices();
            },
            "YEARS/WEEKS"));
    resetReports->add_flag("--open", openSummary,
                           "Open the folder's Summary.html in the desktop's browser afterwards");
    resetReports->add_option("REPORT_FOLDER", reportFolder, "The folder of the baseline reports")
        ->required();

    chronoflip::Utf8Arguments arguments(argc, argv);
    try {
        app.parse(arguments.argc(), arguments.argv());
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : 2;
    }
    if (resetReports->parsed()) {
        return chronoflip::runResetReportsCommand(
            reportFolder, chronoflip::parseSurveyPair(pairText), openSummary);
    }
    return chronoflip::runShiftCommand(files, mode, systems);
}
