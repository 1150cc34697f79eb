#include "files/record_file.h"

#include <gtest/gtest.h>

#include <random>

#include "files/table_export.h"
#include "platform/codec_1251.h"
#include "record/date_time.h"

namespace kestrovin {
namespace {

const LocaleFormat kRussian{",", "H:mm:ss"};

std::vector<std::string> Lines(const std::string& cp1251) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < cp1251.size()) {
        const std::size_t end = cp1251.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(Cp1251ToUtf8(cp1251.substr(at, end - at)));
        at = end + 2;
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += Utf8ToCp1251(line) + "\r\n";
    return text;
}

RecordingExtras FullExtras() {
    RecordingExtras extras;
    for (int i = 0; i < 28; ++i) extras.samples[0].push_back("значение " + std::to_string(i));
    extras.samples[2] = {"Ёлка", "ёж"};
    extras.bookmarks = {"5", "0", "17", "0", "0", "0", "0", "0", "0", "3"};
    extras.description = DefaultDescription();
    extras.description.additional = "Строка один\nСтрока два: ёЁ\n\nпосле пустой";
    extras.description.reasons = "Плавают обороты";
    extras.description.year = "1989";
    return extras;
}

void FillRandom(FrameStore& store, int count, unsigned seed) {
    std::mt19937 random(seed);
    for (int k = 1; k <= count; ++k) {
        StoredFrame& f = store.frame(k);
        for (auto& b : f.analogue) b = static_cast<std::uint8_t>(random() % 256);
        for (auto& b : f.identifier_bits) b = random() % 2;
        for (auto& b : f.flags11) b = random() % 2;
        for (auto& b : f.flags12) b = random() % 2;
        f.spare = random() % 2;
        f.time_stamp = 46000 + (random() % 86400000) / 86400000.0;
    }
    store.SetFrameCount(count);
}

TEST(RecordFile, RoundTripKeepsEverything) {
    FrameStore store;
    FillRandom(store, 300, 5);
    const RecordingExtras extras = FullExtras();
    const RecordLoad load = ReadRecordFile(WriteRecordFile(store, extras, kRussian));
    ASSERT_EQ(load.status, RecordLoad::Status::Loaded) << load.error;
    const LoadedRecording& r = load.recording;
    ASSERT_EQ(r.frames.size(), 300u);
    for (int k = 1; k <= 300; ++k) {
        StoredFrame expected = store.frame(k);
        const CivilTime time = FromDateTime(expected.time_stamp);
        expected.time_stamp = ((time.hour * 60 + time.minute) * 60 + time.second) / 86400.0;  // to the second, day 0
        ASSERT_EQ(r.frames[static_cast<std::size_t>(k - 1)], expected) << "frame " << k;
    }
    EXPECT_EQ(r.samples[0].size(), 25u);
    EXPECT_EQ(r.samples[0][24], "значение 24");
    EXPECT_EQ(r.samples[1], std::vector<std::string>(25, ""));
    EXPECT_EQ(r.samples[2][0], "Ёлка");
    EXPECT_EQ(r.samples[2][1], "ёж");
    ASSERT_TRUE(r.bookmarks.has_value());
    EXPECT_EQ(*r.bookmarks, extras.bookmarks);
    EXPECT_EQ(r.description, extras.description);
}

TEST(RecordFile, EmptyRecordingLayout) {
    FrameStore store;
    store.frame(1).time_stamp = 45000 + (14 * 3600 + 3 * 60 + 27.64) / 86400;
    RecordingExtras extras;
    const std::vector<std::string> lines = Lines(WriteRecordFile(store, extras, kRussian));
    ASSERT_EQ(lines.size(), 2u + 41 + 75 + 10 + 1 + 1 + 9);
    EXPECT_EQ(lines[0], "File for Kestrovin 1.0.0.3");
    EXPECT_EQ(lines[1], "1");
    for (int i = 2; i < 2 + 40; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)], "0") << i;
    EXPECT_EQ(lines[42], "14:03:27");
    for (int i = 43; i < 43 + 75; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)], "") << i;
    for (int i = 118; i < 128; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)], "0") << i;
    EXPECT_EQ(lines[128], "-1") << "an empty text is written as -1";
    EXPECT_EQ(lines[129], "-1");
    const RecordLoad load = ReadRecordFile(Join(lines));
    ASSERT_EQ(load.status, RecordLoad::Status::Loaded);
    EXPECT_EQ(load.recording.description.additional, "");
    EXPECT_DOUBLE_EQ(load.recording.frames[0].time_stamp, (14 * 3600 + 3 * 60 + 27) / 86400.0);
}

TEST(RecordFile, LineElevenRepeatsThePreviousIdentifierBitTwelve) {
    FrameStore store;
    store.frame(1).identifier_bits[11] = 1;
    store.SetFrameCount(2);
    const std::vector<std::string> lines = Lines(WriteRecordFile(store, {}, kRussian));
    EXPECT_EQ(lines[2 + 10], "0");
    EXPECT_EQ(lines[2 + 41 + 10], "1");
}

// A file of frames only, then as many of the later sections as `sections` says (4..8).
std::string FileEndingAfter(int sections, const char* header = "File for Kestrovin 1.0.0.1") {
    FrameStore store;
    store.frame(1).analogue[0] = 42;
    std::vector<std::string> lines = Lines(WriteRecordFile(store, FullExtras(), kRussian));
    lines[0] = header;
    const std::size_t ends[] = {0, 0, 0, 0, 2 + 41 + 75, 2 + 41 + 75 + 10, 2 + 41 + 75 + 10 + 5, 2 + 41 + 75 + 10 + 7,
                                lines.size()};
    lines.resize(ends[sections]);
    return Join(lines);
}

TEST(RecordFile, OlderAndShorterFilesLoad) {
    const RecordLoad after4 = ReadRecordFile(FileEndingAfter(4));
    ASSERT_EQ(after4.status, RecordLoad::Status::Loaded) << after4.error;
    EXPECT_EQ(after4.recording.frames[0].analogue[0], 42);
    EXPECT_EQ(after4.recording.samples[0][3], "значение 3");
    EXPECT_FALSE(after4.recording.bookmarks.has_value()) << "the bookmarks keep their captions";
    EXPECT_EQ(after4.recording.description, Description{});

    const RecordLoad after5 = ReadRecordFile(FileEndingAfter(5, "File for Kestrovin 1.0.0.2"));
    ASSERT_EQ(after5.status, RecordLoad::Status::Loaded);
    EXPECT_EQ((*after5.recording.bookmarks)[2], "17");
    EXPECT_EQ(after5.recording.description.additional, "");

    const RecordLoad after6 = ReadRecordFile(FileEndingAfter(6));
    EXPECT_EQ(after6.recording.description.additional, FullExtras().description.additional);
    EXPECT_EQ(after6.recording.description.reasons, "");

    const RecordLoad after7 = ReadRecordFile(FileEndingAfter(7));
    EXPECT_EQ(after7.recording.description.reasons, "Плавают обороты");
    EXPECT_EQ(after7.recording.description.car_model, "");

    const RecordLoad whole = ReadRecordFile(FileEndingAfter(8));
    EXPECT_EQ(whole.recording.description, FullExtras().description);

    // Frames only: every sample entry reads as empty.
    std::vector<std::string> lines = Lines(WriteRecordFile(FrameStore{}, {}, kRussian));
    lines.resize(43);
    const RecordLoad frames_only = ReadRecordFile(Join(lines));
    ASSERT_EQ(frames_only.status, RecordLoad::Status::Loaded);
    EXPECT_EQ(frames_only.recording.samples[2], std::vector<std::string>(25, ""));
}

TEST(RecordFile, ForeignHeadersAreNotOurs) {
    for (const char* header : {"File for Kestrovin 1.0.0.3 ", "file for kestrovin 1.0.0.3", "File for Kestrovin 1.0.0.4", ""})
        EXPECT_EQ(ReadRecordFile(FileEndingAfter(8, header)).status, RecordLoad::Status::NotOurs) << header;
}

TEST(RecordFile, EndOfFileMarkerLeavesChoiceFieldsEmpty) {
    std::vector<std::string> lines = Lines(WriteRecordFile(FrameStore{}, FullExtras(), kRussian));
    const std::size_t vehicle = lines.size() - 9;
    for (std::size_t i = vehicle; i < lines.size(); ++i) lines[i] = "\x1A";
    const Description d = ReadRecordFile(Join(lines)).recording.description;
    EXPECT_EQ(d.car_model, "\x1A");
    EXPECT_EQ(d.engine_model, "\x1A");
    EXPECT_EQ(d.transmission_model, "\x1A");
    for (const std::string* field : {&d.year, &d.mileage, &d.engine_type, &d.cylinders, &d.gearbox, &d.drive})
        EXPECT_EQ(*field, "");
}

TEST(RecordFile, DamagedFilesAreRefusedWithTheLine) {
    struct Case {
        const char* what;
        std::size_t line;  // 0-based line to replace
        const char* text;
        const char* named;
    };
    for (const Case& c : {Case{"count 0", 1, "0", "строка 2"}, Case{"count 2001", 1, "2001", "2001"},
                          Case{"negative count", 1, "-5", "-5"}, Case{"count no number", 1, "abc", "'abc'"},
                          Case{"byte 256", 2, "256", "строка 3"}, Case{"byte no number", 5, "x", "строка 6"},
                          Case{"time", 42, "25:00:00", "строка 43"}, Case{"text count", 128, "two", "строка 129"}}) {
        std::vector<std::string> lines = Lines(WriteRecordFile(FrameStore{}, FullExtras(), kRussian));
        lines[c.line] = c.text;
        const RecordLoad load = ReadRecordFile(Join(lines));
        EXPECT_EQ(load.status, RecordLoad::Status::Damaged) << c.what;
        EXPECT_NE(load.error.find(c.named), std::string::npos) << c.what << ": " << load.error;
        EXPECT_TRUE(load.recording.frames.empty()) << c.what;
    }
}

TEST(RecordFile, TruncatedOrJunkFilesNeverCrash) {
    FrameStore store;
    FillRandom(store, 20, 9);
    const std::string good = WriteRecordFile(store, FullExtras(), kRussian);
    for (std::size_t cut = 0; cut < good.size(); cut += 7) ReadRecordFile(std::string_view(good).substr(0, cut));
    std::mt19937 random(3);
    for (int n = 0; n < 200; ++n) {
        std::string junk = "File for Kestrovin 1.0.0.3\r\n" + std::to_string(random() % 3000) + "\r\n";
        for (int i = 0; i < 3000; ++i) junk += static_cast<char>(random() % 256);
        ReadRecordFile(junk);
    }
    ReadRecordFile("File for Kestrovin 1.0.0.3\r\n1\r\n" + std::string(1 << 20, '7'));  // a very long line
    SUCCEED();
}

TEST(TableExport, EmptyRecording) {
    FrameStore store;
    store.frame(1).time_stamp = (9 * 3600 + 5 * 60 + 7) / 86400.0;
    const std::vector<std::string> lines = Lines(WriteTableExport(store, {}, "", kRussian));
    ASSERT_EQ(lines.size(), 2u + 1 + 1 + 3 * 30);
    EXPECT_EQ(lines[0], "Запись с Kestrovin;;;;;;1 кадров");
    EXPECT_EQ(lines[1],
              "Кадр;1:A;2:A;3:A;4:A;5:A;6:A;7:A;8:A;9:A;10:A;Идентификатор;11:0;11:1;11:2;11:3;11:4;11:5;11:6;11:7;"
              "12:0;12:1;12:2;12:3;12:4;12:5;12:6;12:7;Нечто;Время");
    EXPECT_EQ(lines[2], "1;0;0;0;0;0;0;0;0;0;0;0000000000000;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;9:05:07");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Отсчёт№1");
    EXPECT_EQ(lines[34], "Отсчёт№2");
    EXPECT_EQ(lines.back(), "") << "an empty description ends with the line after the third sample";
}

TEST(TableExport, RowsSamplesAndDescription) {
    FrameStore store;
    FillRandom(store, 250, 4);
    Samples samples;
    samples[1] = std::vector<std::string>(25, "x");  // as loaded from a record file
    const std::vector<std::string> lines = Lines(WriteTableExport(store, samples, "первая\nвторая", kRussian));
    EXPECT_EQ(lines[0], "Запись с Kestrovin;;;;;;250 кадров");
    for (int k = 1; k <= 250; ++k) {
        const std::string& row = lines[static_cast<std::size_t>(k + 1)];
        ASSERT_EQ(std::count(row.begin(), row.end(), ';'), 29) << row;
        ASSERT_EQ(row.substr(0, row.find(';')), std::to_string(k));
    }
    const std::string& second = lines[3];
    std::vector<std::string> fields;
    for (std::size_t at = 0, end; (end = second.find(';', at)) != std::string::npos; at = end + 1) fields.push_back(second.substr(at, end - at));
    ASSERT_EQ(fields[11].size(), 13u);
    EXPECT_EQ(fields[11][0], store.frame(1).identifier_bits[11] ? '1' : '0') << "frame 2 starts with frame 1's bit 12";
    const std::size_t block2 = 2 + 250 + 1 + 30;
    EXPECT_EQ(lines[block2], "Отсчёт№2");
    EXPECT_EQ(lines[block2 + 25], "x");
    EXPECT_EQ(lines[block2 + 26], "");
    EXPECT_EQ(lines[block2 + 28], "");
    EXPECT_EQ(lines[lines.size() - 2], "первая");
    EXPECT_EQ(lines.back(), "вторая");
}

TEST(Description, LettersDigitsAndNames) {
    struct Case {
        const char* text;
        bool has;
    };
    for (const Case& c : {Case{"", false}, Case{" -.,", false}, Case{"Ё", false}, Case{"ёЁ", false}, Case{"a", true},
                          Case{"Z", true}, Case{"7", true}, Case{"А", true}, Case{"я", true}, Case{"ж", true},
                          Case{"ß", false}, Case{"—Ж", true}})
        EXPECT_EQ(HasLetterOrDigit(c.text), c.has) << c.text;
    EXPECT_FALSE(DescriptionComplete(DefaultDescription())) << "the two texts start empty";
    Description d = DefaultDescription();
    d.additional = "текст";
    d.reasons = "причина";
    EXPECT_TRUE(DescriptionComplete(d));
    d.drive = "—";
    EXPECT_FALSE(DescriptionComplete(d));

    EXPECT_EQ(ShortFileName("/home/u/drive.kvr"), "drive.kvr");
    EXPECT_EQ(ShortFileName("C:\\data\\drive.kvr"), "drive.kvr");
    EXPECT_EQ(ShortFileName("drive.kvr"), "drive.kvr");
    EXPECT_EQ(ReplaceExtension("/tmp/drive.csv", ".kvr"), "/tmp/drive.kvr");
    EXPECT_EQ(ReplaceExtension("/tmp/drive", ".kvr"), "/tmp/drive.kvr");
    EXPECT_EQ(ReplaceExtension("/tmp/a.b/drive", ".csv"), "/tmp/a.b/drive.csv");
    EXPECT_EQ(ReplaceExtension("x.tar.gz", ".kvr"), "x.tar.kvr");
    EXPECT_EQ(TextLines(""), std::vector<std::string>{});
    EXPECT_EQ(TextLines("a\n"), std::vector<std::string>{"a"});
    EXPECT_EQ(TextLines("a\r\n\nb"), (std::vector<std::string>{"a", "", "b"}));
}

}  // namespace
}  // namespace kestrovin
