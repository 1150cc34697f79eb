#include "files/record_file.h"

#include <cmath>
#include <stdexcept>

#include "platform/codec_1251.h"
#include "platform/ini_file.h"
#include "record/date_time.h"

namespace kestrovin {
namespace {

constexpr std::array<const char*, 3> kReadableHeaders{"File for Kestrovin 1.0.0.1", "File for Kestrovin 1.0.0.2",
                                                      "File for Kestrovin 1.0.0.3"};

std::string TimeText(DateTime stamp, const LocaleFormat& locale) {
    const CivilTime time = FromDateTime(stamp);
    return FormatTimeOfDay(locale.long_time_pattern, time.hour, time.minute, time.second);
}

class LineWriter {
public:
    void Line(const std::string& text) { out_ += text + "\r\n"; }
    void Flag(bool on) { Line(on ? "1" : "0"); }
    void Number(long long value) { Line(std::to_string(value)); }
    void Text(const std::string& text) {
        const std::vector<std::string> lines = TextLines(text);
        Number(static_cast<long long>(lines.size()) - 1);
        for (const std::string& line : lines) Line(line);
    }
    const std::string& text() const { return out_; }

private:
    std::string out_;
};

// Lines as a reader of the original files sees them: CR LF, LF or CR end a
// line; past the end every line reads as empty.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return at_ >= text_.size(); }
    int line_number() const { return line_; }
    std::string Next() {
        ++line_;
        if (AtEnd()) return {};
        const std::size_t end = text_.find_first_of("\r\n", at_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        std::string line(text_.substr(at_, stop - at_));
        if (stop == text_.size()) {
            at_ = stop;
        } else if (text_[stop] == '\r' && stop + 1 < text_.size() && text_[stop + 1] == '\n') {
            at_ = stop + 2;
        } else {
            at_ = stop + 1;
        }
        return line;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 0;
};

struct Damaged {
    std::string message;
};

long long Integer(LineReader& reader, const std::string& line) {
    int value = 0;
    if (!ParseIniInteger(line, value))
        throw Damaged{"строка " + std::to_string(reader.line_number()) + ": '" + line + "' is not a valid integer value"};
    return value;
}

std::uint8_t Byte(LineReader& reader) {
    const std::string line = reader.Next();
    const long long value = Integer(reader, line);
    if (value < 0 || value > 255)
        throw Damaged{"строка " + std::to_string(reader.line_number()) + ": байт кадра " + line + " вне пределов 0..255"};
    return static_cast<std::uint8_t>(value);
}

std::uint8_t Flag(LineReader& reader) { return reader.Next() == "1" ? 1 : 0; }

}  // namespace

std::string WriteRecordFile(const FrameStore& store, const RecordingExtras& extras, const LocaleFormat& locale) {
    LineWriter w;
    w.Line(kRecordHeader);
    const int count = store.frame_count();
    w.Number(count);
    for (int k = 1; k <= count; ++k) {
        const StoredFrame& frame = store.frame(k);
        for (std::uint8_t byte : frame.analogue) w.Number(byte);
        w.Flag(k > 1 && store.frame(k - 1).identifier_bits[11] != 0);
        for (std::uint8_t bit : frame.identifier_bits) w.Flag(bit != 0);
        for (std::uint8_t bit : frame.flags11) w.Flag(bit != 0);
        for (std::uint8_t bit : frame.flags12) w.Flag(bit != 0);
        w.Flag(frame.spare != 0);
        w.Line(TimeText(frame.time_stamp, locale));
    }
    for (int row = 0; row < kSavedSampleRows; ++row)
        for (const std::vector<std::string>& sample : extras.samples)
            w.Line(row < static_cast<int>(sample.size()) ? sample[static_cast<std::size_t>(row)] : "");
    for (const std::string& bookmark : extras.bookmarks) w.Line(bookmark);
    const Description& d = extras.description;
    w.Text(d.additional);
    w.Text(d.reasons);
    for (const std::string* field : {&d.car_model, &d.engine_model, &d.transmission_model, &d.year, &d.mileage,
                                     &d.engine_type, &d.cylinders, &d.gearbox, &d.drive})
        w.Line(*field);
    return Utf8ToCp1251(w.text());
}

RecordLoad ReadRecordFile(std::string_view bytes) {
    RecordLoad result;
    LineReader reader(bytes);
    const std::string header = reader.Next();
    bool ours = false;
    for (const char* known : kReadableHeaders) ours = ours || header == known;
    if (!ours) {
        result.status = RecordLoad::Status::NotOurs;
        return result;
    }
    try {
        const long long count = Integer(reader, reader.Next());
        if (count < 1 || count > kStoreCapacity)
            throw Damaged{"строка 2: число кадров " + std::to_string(count) + " вне пределов 1.." +
                          std::to_string(kStoreCapacity)};
        LoadedRecording& loaded = result.recording;
        loaded.frames.resize(static_cast<std::size_t>(count));
        for (StoredFrame& frame : loaded.frames) {
            for (std::uint8_t& byte : frame.analogue) byte = Byte(reader);
            reader.Next();  // the previous frame's identifier bit 12 again
            for (std::uint8_t& bit : frame.identifier_bits) bit = Flag(reader);
            for (std::uint8_t& bit : frame.flags11) bit = Flag(reader);
            for (std::uint8_t& bit : frame.flags12) bit = Flag(reader);
            frame.spare = Flag(reader);
            const std::string time = reader.Next();
            const std::optional<int> seconds = ParseTimeOfDay(time);
            if (!seconds)
                throw Damaged{"строка " + std::to_string(reader.line_number()) + ": '" + time + "' is not a valid time"};
            frame.time_stamp = *seconds / 86400.0;
        }
        for (int row = 0; row < kSavedSampleRows; ++row)
            for (std::vector<std::string>& sample : loaded.samples) sample.push_back(Cp1251ToUtf8(reader.Next()));
        if (!reader.AtEnd()) {
            Bookmarks bookmarks;
            for (std::string& bookmark : bookmarks) {
                bookmark = Cp1251ToUtf8(reader.Next());
                if (bookmark.empty()) bookmark = "0";
            }
            loaded.bookmarks = bookmarks;
        }
        Description& d = loaded.description;
        for (std::string* text : {&d.additional, &d.reasons}) {
            if (reader.AtEnd()) break;
            const std::string count_line = reader.Next();
            if (count_line.empty()) continue;
            const long long last = Integer(reader, count_line);
            std::vector<std::string> lines;
            for (long long i = 0; i <= last && !reader.AtEnd(); ++i) lines.push_back(Cp1251ToUtf8(reader.Next()));
            *text = JoinLines(lines);
        }
        if (!reader.AtEnd()) {
            for (std::string* field : {&d.car_model, &d.engine_model, &d.transmission_model}) *field = Cp1251ToUtf8(reader.Next());
            for (std::string* field : {&d.year, &d.mileage, &d.engine_type, &d.cylinders, &d.gearbox, &d.drive}) {
                const std::string line = reader.Next();
                if (!line.empty() && line != "\x1A") *field = Cp1251ToUtf8(line);
            }
        }
    } catch (const Damaged& damaged) {
        result.status = RecordLoad::Status::Damaged;
        result.error = damaged.message;
        result.recording = {};
        return result;
    }
    result.status = RecordLoad::Status::Loaded;
    return result;
}

void PutIntoStore(const LoadedRecording& recording, FrameStore& store) {
    store.ZeroAll();
    const int count = static_cast<int>(recording.frames.size());
    for (int k = 1; k <= count; ++k) store.frame(k) = recording.frames[static_cast<std::size_t>(k - 1)];
    store.SetFrameCount(count);
}

}  // namespace kestrovin
