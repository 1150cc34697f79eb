#include "files/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/codec_1251.h"
#include "platform/settings_path.h"

namespace kestrovin {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = ::testing::TempDir() + "/settings-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
        std::filesystem::remove(path_);
    }
    void TearDown() override { std::filesystem::remove(path_); }

    Settings Read(Description* description = nullptr, WindowPositions* positions = nullptr) {
        Settings settings;
        settings.units.Vozduh = 99;  // proves every field is read
        auto ini = OpenIniFile(path_);
        ReadSettings(*ini, settings, description, positions);
        return settings;
    }

    std::string path_;
};

TEST_F(SettingsTest, NoFileGivesEveryDefault) {
    Description description;
    WindowPositions positions;
    EXPECT_EQ(Read(&description, &positions), Settings{});
    EXPECT_EQ(description, DefaultDescription());
    EXPECT_EQ(positions.size(), 8u);
    for (const auto& [window, at] : positions) EXPECT_EQ(at, WindowPosition{}) << window;
    const Settings defaults;
    EXPECT_EQ(defaults.units.Standart, 1);
    EXPECT_EQ(defaults.units.Vozduh, 1);
    EXPECT_TRUE(defaults.LowCP);
    EXPECT_EQ(defaults.marker, 8421504u);
}

TEST_F(SettingsTest, WrittenFileReadsBackInTheDocumentedOrder) {
    Settings settings;
    settings.units = {6, 2, 2, 2, 2, 0, 120, 6, 2};
    settings.Adapter = true;
    settings.col[5] = 0x123456;
    settings.Grafik = {1, 2, 3, 4, 5, 6};
    settings.ManyInstances = true;
    Description description = DefaultDescription();
    description.car_model = "Ёлочка";
    WindowPositions positions{{1, {10, 20}}, {9, {300, 400}}};
    {
        auto ini = OpenIniFile(path_);
        WriteSettings(*ini, settings, description, positions, OpenWindows{true, false});
    }
    Description read_description;
    WindowPositions read_positions;
    Settings read = Read(&read_description, &read_positions);
    settings.Graphs = true;
    EXPECT_EQ(read, settings);
    EXPECT_EQ(read_description.car_model, "Ёлочка");
    EXPECT_EQ(read_positions[9], (WindowPosition{300, 400}));

    std::string text;
    ASSERT_TRUE(ReadWholeFile(path_, text));
    std::size_t at = 0;
    for (const char* key : {"[Main]", "Version=8000", "[Param]", "Vozduh=6", "Temperature", "KHH", "DZ", "Korr", "Standart",
                            "Adapter=1", "DTR", "LowCP", "col1", "col6", "Grafik1", "Grafik6", "fon", "axes", "marker",
                            "PrFors=120", "KolFors", "ChastFors", "[Koment]", "Marka", "Year", "Mileage", "DVS", "TypeD",
                            "Cylinders", "Transm", "TypeT", "Weels", "[FormPos]", "1X=10", "1Y=20", "3X", "9Y=400",
                            "[ActiveForms]", "Graphs=1", "Metodika=0", "[Start]", "ManyInstances=1"}) {
        const std::size_t found = text.find(key, at);
        ASSERT_NE(found, std::string::npos) << key << " missing or out of order";
        at = found;
    }
}

TEST_F(SettingsTest, ActiveFormsAreWrittenOnlyWhenClosing) {
    auto ini = OpenIniFile(path_);
    WriteSettings(*ini, Settings{}, DefaultDescription(), {}, std::nullopt);
    std::string text;
    ASSERT_TRUE(ReadWholeFile(path_, text));
    EXPECT_EQ(text.find("ActiveForms"), std::string::npos);
}

TEST_F(SettingsTest, OldLayoutKeepsOnlyDescriptionFormsAndStart) {
    WriteFileAtomically(path_, Utf8ToCp1251("[Main]\nVersion=7000\n[Param]\nVozduh=5\nPrFors=200\ncol1=255\n[Koment]\n"
                                            "Marka=Корона\n[FormPos]\n1X=500\n[ActiveForms]\nGraphs=1\n[Start]\n"
                                            "ManyInstances=1\n"));
    Description description;
    WindowPositions positions;
    const Settings settings = Read(&description, &positions);
    EXPECT_EQ(settings.units.Vozduh, 1);
    EXPECT_EQ(settings.units.PrFors, 55);
    EXPECT_EQ(settings.col[0], 0u);
    EXPECT_EQ(positions[1].x, 0);
    EXPECT_EQ(description.car_model, "Корона");
    EXPECT_TRUE(settings.Graphs);
    EXPECT_TRUE(settings.ManyInstances);
}

TEST_F(SettingsTest, HandEditedValues) {
    WriteFileAtomically(path_,
                        "[Main]\nVersion=8000\n[Param]\nVozduh=abc\nKHH=0x2\nDZ=$2\nLowCP=0\nPrFors=\nfon=$FF\n"
                        "Adapter=7\n");
    Settings settings = Read();
    EXPECT_EQ(settings.units.Vozduh, 1) << "garbage gives the default";
    EXPECT_EQ(settings.units.KHH, 2);
    EXPECT_EQ(settings.units.DZ, 2);
    EXPECT_EQ(settings.units.PrFors, 55);
    EXPECT_EQ(settings.fon, 255u);
    EXPECT_TRUE(settings.Adapter) << "any number but 0 is true";
    EXPECT_FALSE(settings.LowCP);
    {
        auto ini = OpenIniFile(path_);
        WriteSettings(*ini, settings, DefaultDescription(), {}, std::nullopt);
    }
    EXPECT_FALSE(Read().LowCP) << "LowCP=0 survives later writes";
}

TEST(FuelFields, RangesAndRewrites) {
    struct Case {
        const char* text;
        std::uint32_t low, high, fallback;
        std::uint32_t value;
        bool valid;
    };
    for (const Case& c : {Case{"55", 1, 500, 55, 55, true}, Case{"055", 1, 500, 55, 55, true},
                          Case{"500", 1, 500, 55, 500, true}, Case{"501", 1, 500, 55, 501, false},
                          Case{"abc", 1, 500, 55, 55, false}, Case{"", 1, 12, 4, 4, false},
                          Case{"0", 1, 12, 4, 0, false}, Case{"-1", 1, 12, 4, 4294967295u, false},
                          Case{"4", 1, 4, 2, 4, true}, Case{"x", 1, 4, 2, 2, false}}) {
        const FuelField field = CheckFuelField(c.text, c.low, c.high, c.fallback);
        EXPECT_EQ(field.value, c.value) << c.text;
        EXPECT_EQ(field.valid, c.valid) << c.text;
    }
}

TEST(SettingsPath, BesideTheProgramOrInTheUsersConfiguration) {
    EXPECT_EQ(SettingsPathFor("/opt/kestrovin/bin/kestrovin", true, "/home/u/.config"), "/opt/kestrovin/bin/kestrovin.ini");
    EXPECT_EQ(SettingsPathFor("/usr/bin/kestrovin", false, "/home/u/.config"), "/home/u/.config/kestrovin/kestrovin.ini");
}

}  // namespace
}  // namespace kestrovin
