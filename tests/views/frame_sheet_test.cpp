#include "views/frame_sheet.h"

#include <gtest/gtest.h>

#include "capture/frame_decoder.h"
#include "capture/frame_encoder.h"
#include "support/shared_data.h"

namespace kestrovin {
namespace {

const LocaleFormat kRussian{",", "H:mm:ss"};

void Put(FrameStore& store, int k, const FrameBytes& bytes, const IdentifierBits& id, DateTime time) {
    store.StoreFrame(k, MakeFrame(bytes, id), time);
    store.SetFrameCount(std::max(store.frame_count(), k));
}

TEST(FrameSheet, RowsOfOneFrame) {
    FrameStore store;
    Put(store, 1, {80, 100, 51, 120, 50, 228, 90, 60, 128, 0, 0b0000'0010, 0b1000'0000},
        {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, ToDateTime({2026, 12, 11, 9, 5, 7}));
    double last_coolant = 0;
    const FrameSheet sheet = BuildFrameSheet(store, 1, {}, kRussian, last_coolant);
    EXPECT_EQ(sheet[0], (SheetRow{"Идентификатор:", "100000000001"}));
    EXPECT_EQ(sheet[1], (SheetRow{"1.А  Форсунки:", "10,000 мс."}));
    EXPECT_EQ(sheet[6], (SheetRow{"6.А  Темпер. ОЖ(Прям.):", "80,0 град.С"}));
    EXPECT_DOUBLE_EQ(last_coolant, 80.0);
    EXPECT_EQ(sheet[12], (SheetRow{"11.1  Холодный двиг.:", "Да"}));
    EXPECT_EQ(sheet[22], (SheetRow{"12.7  Диагностика?:", "Хорошо"}));
    EXPECT_EQ(sheet[23], (SheetRow{"Прибл.расход л/час:", "13,20"}));
    EXPECT_EQ(sheet[24], (SheetRow{"Прибл.расход л/100:", "22,0"}));
    EXPECT_EQ(sheet[25], (SheetRow{"", ""}));
    EXPECT_EQ(sheet[26], (SheetRow{"Кадр/Всего:", "1 / 1"}));
    EXPECT_EQ(sheet[27], (SheetRow{"Время:", "9:05:07"}));
}

TEST(FrameSheet, FrameCounterNamesTheWholeRecording) {
    FrameStore store;
    for (int k = 1; k <= 7; ++k) Put(store, k, {}, {}, 0);
    double last = 0;
    EXPECT_EQ(BuildFrameSheet(store, 3, {}, kRussian, last)[26].value, "3 / 7");
}

TEST(FrameSheet, IdentifierNumbers) {
    struct Case {
        const char* text;
        int number;
    };
    for (const Case& c : {Case{"100000000000", 2}, Case{"000000000001", 4096}, Case{"111111111111", 8190},
                          Case{"000000000000", 0}, Case{"010000000000", 4}})
        EXPECT_EQ(IdentifierNumber(c.text), c.number) << c.text;
}

TEST(FrameSheet, ProtocolColumn) {
    FrameStore store;
    Put(store, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0b1111'1111, 0b0100'0000}, {1}, 0);
    const auto rows = ProtocolRows(store, 1);
    EXPECT_EQ(rows[0], "2");
    EXPECT_EQ(rows[10], "10");
    for (int r = 11; r <= 15; ++r) EXPECT_EQ(rows[static_cast<std::size_t>(r)], "1") << r;
    for (int r = 16; r <= 22; ++r) EXPECT_EQ(rows[static_cast<std::size_t>(r)], "0") << r << ": 12.6 is not shown";
}

TEST(FrameSheet, RealDriveSurvivesTheLineUnchanged) {
    const std::vector<FrameBytes> drive = testing::RealDriveFrames();
    ASSERT_GT(drive.size(), 1000u) << "real-drive.csv not found beside the checkout";
    FrameStore direct;
    FrameStore through_line;
    for (std::size_t i = 0; i < drive.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        Put(direct, k, drive[i], {}, 45000.5);
        Frame decoded;
        ASSERT_EQ(DecodeEdgeList(PackEdgeList(EncodeEdgeList(MakeFrame(drive[i]))), decoded), DecodeOutcome::Good) << k;
        Put(through_line, k, AllFrameBytes(decoded), decoded.identifier_bits, 45000.5);
        ASSERT_EQ(BytesOf(through_line.frame(k)), drive[i]) << k;
    }
    double a = 0;
    double b = 0;
    for (int k = 1; k <= direct.frame_count(); ++k)
        ASSERT_EQ(BuildFrameSheet(direct, k, {}, kRussian, a), BuildFrameSheet(through_line, k, {}, kRussian, b)) << k;
}

}  // namespace
}  // namespace kestrovin
