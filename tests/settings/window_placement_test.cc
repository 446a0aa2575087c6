#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <map>

#include "fake_window.h"
#include "temp_folder.h"
#include "throw_message.h"

namespace chronoflip::settings {
namespace {

using testing::FakeWindow;
using testing::TempFolder;
using Values = std::map<QString, QString>;

const QString kSection = QStringLiteral("Frm_Main");

// A placement with the main window's extra value, the output mode, kept in `output`.
struct MainPlacement {
    explicit MainPlacement(const QString& path)
        : placement(kSection, iniSettings(path),
                    {{QStringLiteral("Output"), 0, [this] { return output; },
                      [this](int value) { output = value; }}}) {}
    int output = 2;
    WindowPlacement placement;
};

Values storedValues(const QString& path) {
    QSettings store(path, QSettings::IniFormat);
    store.beginGroup(kSection);
    Values values;
    for (const QString& key : store.childKeys()) values[key] = store.value(key).toString();
    return values;
}

QString iniPath(const TempFolder& folder) {
    return QString::fromStdString(folder.file("Chronoflip.ini"));
}

struct RestoreCase {
    const char* name;
    const char* section;  // the stored text of the window's section
    int top, left, width, height, output;
    const char* stateChange;
};

class RestoreTest : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreTest, AppliesWhatTheSectionHolds) {
    const RestoreCase& c = GetParam();
    TempFolder folder;
    folder.write("Chronoflip.ini", std::string("[Frm_Main]\n") + c.section);
    MainPlacement main(iniPath(folder));
    FakeWindow window;

    main.placement.restore(window);

    EXPECT_EQ(window.topEdge, c.top);
    EXPECT_EQ(window.leftEdge, c.left);
    EXPECT_EQ(window.outerWidth, c.width);
    EXPECT_EQ(window.outerHeight, c.height);
    EXPECT_EQ(main.output, c.output);
    EXPECT_EQ(window.stateChange, c.stateChange);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, RestoreTest,
    ::testing::Values(
        RestoreCase{"NoSection", "", 276, 265, 794, 622, 2, ""},
        RestoreCase{"StatusZero", "Status=0\nTop=10\nOutput=1\n", 276, 265, 794, 622, 2, ""},
        RestoreCase{"StatusNotANumber", "Status=one\nTop=10\n", 276, 265, 794, 622, 2, ""},
        RestoreCase{"StatusOnly", "Status=1\n", 276, 265, 794, 622, 0, "normal"},
        RestoreCase{"Normal", "Status=1\nTop=10\nLeft=20\nWidth=300\nHeight=400\nOutput=1\n", 10,
                    20, 300, 400, 1, "normal"},
        RestoreCase{"Minimised", "Status=2\nTop=10\nLeft=20\nWidth=300\nHeight=400\nOutput=1\n", 10,
                    20, 300, 400, 1, "minimise"},
        RestoreCase{"Maximised", "Status=3\nTop=10\nLeft=20\nWidth=300\nHeight=400\nOutput=1\n", 10,
                    20, 300, 400, 1, "maximise"},
        RestoreCase{"UnknownStatus", "Status=5\nTop=10\nLeft=20\nWidth=300\nHeight=400\nOutput=1\n",
                    10, 20, 300, 400, 1, ""},
        RestoreCase{"TopNotANumber", "Status=1\nTop=abc\nLeft=20\nWidth=300\nHeight=400\n", 276, 20,
                    300, 400, 0, "normal"},
        RestoreCase{"TextWithComma", "Status=1\nTop=1, 2\nLeft=-20\nWidth=\nHeight=400x\n", 276,
                    -20, 794, 622, 0, "normal"},
        RestoreCase{"OutputOutOfRange", "Status=1\nOutput=7\n", 276, 265, 794, 622, 7, "normal"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SaveCase {
    const char* name;
    WindowState state;
    bool active;
    Values expected;
};

class SaveTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveTest, WritesPlacementOnlyInNormalState) {
    const SaveCase& c = GetParam();
    TempFolder folder;
    folder.write("Chronoflip.ini",
                 "[Frm_Main]\nStatus=1\nTop=1\nLeft=2\nWidth=3\nHeight=4\nOutput=0\n");
    MainPlacement main(iniPath(folder));
    FakeWindow window;
    main.placement.restore(window);
    window = FakeWindow{};
    window.shownAs = c.state;
    window.active = c.active;
    main.output = 2;

    main.placement.save(window);

    EXPECT_EQ(storedValues(iniPath(folder)), c.expected);
}

const Values kCurrentPlacement{
    {"Top", "276"}, {"Left", "265"}, {"Width", "794"}, {"Height", "622"}, {"Output", "2"}};
const Values kEarlierPlacement{
    {"Top", "1"}, {"Left", "2"}, {"Width", "3"}, {"Height", "4"}, {"Output", "0"}};

Values withStatus(Values values, const char* status) {
    values["Status"] = status;
    return values;
}

INSTANTIATE_TEST_SUITE_P(States, SaveTest,
                         ::testing::Values(SaveCase{"NormalActive", WindowState::Normal, true,
                                                    withStatus(kCurrentPlacement, "1")},
                                           SaveCase{"NormalInactive", WindowState::Normal, false,
                                                    withStatus(kCurrentPlacement, "2")},
                                           SaveCase{"Minimised", WindowState::Minimised, false,
                                                    withStatus(kEarlierPlacement, "2")},
                                           SaveCase{"MaximisedActive", WindowState::Maximised, true,
                                                    withStatus(kEarlierPlacement, "3")},
                                           SaveCase{"MaximisedInactive", WindowState::Maximised,
                                                    false, withStatus(kEarlierPlacement, "2")}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowPlacementTest, FirstRunKeepsTheDesignAndSavesAllSixValues) {
    TempFolder folder;
    MainPlacement main(iniPath(folder));
    FakeWindow window;

    main.placement.restore(window);
    EXPECT_EQ(window.stateChange, "");
    EXPECT_EQ(main.output, 2);
    main.placement.save(window);

    EXPECT_EQ(storedValues(iniPath(folder)), withStatus(kCurrentPlacement, "1"));
}

TEST(WindowPlacementTest, WindowWithoutKeptValuesWritesOnlyItsPlacement) {
    TempFolder folder;
    WindowPlacement placement(kSection, iniSettings(iniPath(folder)));
    FakeWindow window;
    placement.restore(window);
    placement.save(window);

    EXPECT_EQ(storedValues(iniPath(folder)), (Values{{"Status", "1"},
                                                     {"Top", "276"},
                                                     {"Left", "265"},
                                                     {"Width", "794"},
                                                     {"Height", "622"}}));
}

TEST(WindowPlacementTest, FailedSaveKeepsTheStoreForTheNextClose) {
    TempFolder folder;
    const std::string blocker = folder.write("config", "a file where a folder belongs");
    const QString path = QString::fromStdString(blocker + "/Chronoflip.ini");
    MainPlacement main(path);
    FakeWindow window;
    main.placement.restore(window);

    EXPECT_THROW_MSG(main.placement.save(window), std::exception, "Failed to create key Frm_Main");

    std::filesystem::remove(blocker);
    std::filesystem::create_directory(blocker);
    main.placement.save(window);
    EXPECT_EQ(storedValues(path), withStatus(kCurrentPlacement, "1"));
}

TEST(WindowPlacementTest, StoreThatCannotBeOpenedIsReportedAndTheCloseGoesOn) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("Chronoflip.ini"));
    MainPlacement main(iniPath(folder));
    FakeWindow window;

    EXPECT_THROW_MSG(main.placement.restore(window), std::exception,
                     "Failed to create key " + iniPath(folder).toStdString());
    EXPECT_NO_THROW(main.placement.save(window));
    EXPECT_EQ(window.topEdge, 276);
}

}  // namespace
}  // namespace chronoflip::settings
