#include "cli/cli_commands.h"

#include <charconv>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>

#include "capture/edge_list.h"
#include "capture/frame_decoder.h"
#include "capture/port_opener.h"
#include "capture/raw_frames.h"
#include "cli/record_command.h"
#include "files/record_file.h"
#include "files/settings.h"
#include "files/table_export.h"
#include "params/unit_settings.h"
#include "platform/atomic_file.h"
#include "platform/ini_file.h"
#include "record/recording.h"
#include "views/frame_sheet.h"

namespace kestrovin::cli {
namespace {

constexpr const char* kHelp =
    "kestrovin-cli — консольный спутник программы Kestrovin\n"
    "\n"
    "Команды:\n"
    "  kestrovin-cli sheet (--frames ФАЙЛ.csv | --record ФАЙЛ.kvr) [--set КЛЮЧ=ЗНАЧЕНИЕ]...\n"
    "      Читает кадры (строка заголовка, затем по кадру в строке: b1;...;b12),\n"
    "      записывает их в память кадров и печатает для каждого кадра k и строки\n"
    "      r = 0..27 таблицы строку «k<TAB>r<TAB>название<TAB>значение».\n"
    "      --set задаёт единицы и константы расхода: Vozduh (1-6), Temperature (1-2),\n"
    "      KHH (1-2), DZ (1-2), Korr (1-2), PrFors, KolFors, ChastFors.\n"
    "      Без --set: Vozduh=1 Temperature=1 KHH=1 DZ=1 Korr=1 PrFors=55 KolFors=4 ChastFors=1.\n"
    "      С --record берёт кадры из файла записи программы; --settings ФАЙЛ.ini берёт\n"
    "      единицы и константы расхода из файла настроек (--set после него уточняет).\n"
    "  kestrovin-cli export ФАЙЛ.kvr ВЫХОД.csv\n"
    "      Выгружает файл записи в таблицу для электронных таблиц (Windows-1251, «;»).\n"
    "  kestrovin-cli decode\n"
    "      Читает со стандартного ввода списки фронтов, по списку в строке: пары\n"
    "      «уровень:такты» через пробел (пустая строка — пустой список), и печатает\n"
    "      по строке на список: «good<TAB>ИДЕНТИФИКАТОР<TAB>B1 ... B12», «bad» или\n"
    "      «ignored» (список длиннее 2970 байт).\n"
    "  kestrovin-cli record ПОРТ [--frames N] [--out ФАЙЛ.csv]\n"
    "      Читает порт (COM1..COM50 или номер; COM50 — встроенный симулятор ЭБУ) и\n"
    "      печатает по строке на кадр: номер, время и десять значений с единицами,\n"
    "      «bad» для ошибочного кадра. Первая строка «# ПОРТ: устройство, способ\n"
    "      ожидания». Останавливается по Ctrl-C или после N верных кадров; с --out\n"
    "      записывает запись в файл: ФАЙЛ.kvr — файл записи программы (описание машины\n"
    "      по умолчанию), иначе — таблица кадров в формате sheet --frames. Симулятор настраивается\n"
    "      переменной KESTROVIN_SIMULATOR (replay=ФАЙЛ.csv,jitter=мс,latency=мс,bad=доля).\n"
    "  kestrovin-cli --help\n"
    "      Эта справка.\n"
    "\n"
    "Десятичный разделитель и формат времени берутся из настроек языка (LANG, LC_ALL).\n"
    "Ошибка во входных данных: сообщение с именем файла и строкой, код выхода 2.\n";

struct UsageError {
    std::string message;
};

// Store operations need a host; the command line has no windows to update.
class HeadlessHost final : public RecordingHost {
public:
    bool IsIdle() const override { return true; }
    void MemoDraw(int) override {}
    void ShowFramePosition(int, int) override {}
    bool GraphVisible() const override { return false; }
    void StartGraphFollow() override {}
    void KeepGraphOnFrame(int) override {}
    void GraphFramesDeleted(int, int) override {}
    void StopInitialTimer() override {}
    void EndReadingRun() override {}
    void EnableIdleControls(bool) override {}
    void SaveRecording() override {}
    void ViewsCleared() override {}
};

void SetUnitKey(UnitSettings& units, const std::string& assignment) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) throw UsageError{"--set ожидает КЛЮЧ=ЗНАЧЕНИЕ, получено «" + assignment + "»"};
    const std::string key = assignment.substr(0, eq);
    int value = 0;
    if (!ParseIniInteger(assignment.substr(eq + 1), value))
        throw UsageError{"значение ключа " + key + " не является целым числом: «" + assignment.substr(eq + 1) + "»"};
    struct Key {
        const char* name;
        int UnitSettings::*field;
    };
    static constexpr Key kKeys[] = {
        {"Vozduh", &UnitSettings::Vozduh}, {"Temperature", &UnitSettings::Temperature}, {"KHH", &UnitSettings::KHH},
        {"DZ", &UnitSettings::DZ},         {"Korr", &UnitSettings::Korr},               {"PrFors", &UnitSettings::PrFors},
        {"KolFors", &UnitSettings::KolFors}, {"ChastFors", &UnitSettings::ChastFors},
    };
    for (const Key& known : kKeys) {
        if (key == known.name) {
            units.*known.field = value;
            return;
        }
    }
    throw UsageError{"неизвестный ключ --set: " + key};
}

// Loads a record file into the store; UsageError names the file when it is not one.
void LoadRecordInto(const std::string& path, FrameStore& store, RecordingExtras* extras = nullptr) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) throw UsageError{path + ": файл не читается"};
    const RecordLoad load = ReadRecordFile(bytes);
    if (load.status == RecordLoad::Status::NotOurs) throw UsageError{path + ": Файл не этой программы"};
    if (load.status == RecordLoad::Status::Damaged) throw UsageError{path + ": " + load.error};
    PutIntoStore(load.recording, store);
    if (extras != nullptr) {
        extras->samples = load.recording.samples;
        if (load.recording.bookmarks) extras->bookmarks = *load.recording.bookmarks;
        extras->description = load.recording.description;
    }
}

int Export(const std::vector<std::string>& args, const LocaleFormat& locale) {
    if (args.size() != 3) throw UsageError{"команда export ожидает ФАЙЛ.kvr ВЫХОД.csv"};
    FrameStore store;
    RecordingExtras extras;
    LoadRecordInto(args[1], store, &extras);
    try {
        WriteFileAtomically(args[2], WriteTableExport(store, extras.samples, extras.description.additional, locale));
    } catch (const std::exception& error) {
        throw UsageError{error.what()};
    }
    return 0;
}

void PrintSheets(const FrameStore& store, const UnitSettings& units, const LocaleFormat& locale, std::ostream& out) {
    double last_coolant = 0;
    for (int k = 1; k <= store.frame_count(); ++k) {
        const FrameSheet sheet = BuildFrameSheet(store, k, units, locale, last_coolant);
        for (int r = 0; r < kSheetRows; ++r)
            out << k << '\t' << r << '\t' << sheet[static_cast<std::size_t>(r)].name << '\t'
                << sheet[static_cast<std::size_t>(r)].value << '\n';
    }
}

int Sheet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const LocaleFormat& locale) {
    std::string frames_path;
    std::string record_path;
    UnitSettings units;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--frames" && i + 1 < args.size()) {
            frames_path = args[++i];
        } else if (args[i] == "--record" && i + 1 < args.size()) {
            record_path = args[++i];
        } else if (args[i] == "--settings" && i + 1 < args.size()) {
            const std::string path = args[++i];
            std::string bytes;
            if (!ReadWholeFile(path, bytes)) throw UsageError{path + ": файл не читается"};
            Settings settings;
            settings.units = units;
            ReadSettings(*OpenIniFile(path), settings, nullptr, nullptr);
            units = settings.units;
        } else if (args[i] == "--set" && i + 1 < args.size()) {
            SetUnitKey(units, args[++i]);
        } else {
            throw UsageError{"неизвестный или неполный параметр команды sheet: " + args[i]};
        }
    }
    if (frames_path.empty() == record_path.empty())
        throw UsageError{"команде sheet нужен --frames ФАЙЛ.csv или --record ФАЙЛ.kvr (одно из двух)"};
    FrameStore store;
    if (!record_path.empty()) {
        LoadRecordInto(record_path, store);
        PrintSheets(store, units, locale, out);
        return 0;
    }
    std::string text;
    if (!ReadWholeFile(frames_path, text)) throw UsageError{frames_path + ": файл не читается"};
    std::vector<FrameBytes> frames;
    try {
        frames = ParseRawFrames(text);
    } catch (const RawFramesError& error) {
        throw UsageError{frames_path + ":" + std::to_string(error.line()) + ": " + error.what()};
    }
    if (frames.size() > static_cast<std::size_t>(kStoreCapacity)) {
        err << "kestrovin-cli: " << frames_path << ": " << frames.size() << " кадров, в память помещаются первые "
            << kStoreCapacity << '\n';
        frames.resize(kStoreCapacity);
    }

    Frame current;
    HeadlessHost host;
    SilentDialogs dialogs;
    Recording recording(store, current, host, dialogs);
    recording.ClearRecording();
    for (const FrameBytes& bytes : frames) {
        current = MakeFrame(bytes);
        recording.AppendFrame();
    }
    PrintSheets(store, units, locale, out);
    return 0;
}

EdgeBlock ParseEdgeLine(const std::string& line, int line_number) {
    std::vector<EdgeRecord> records;
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        const std::size_t colon = word.find(':');
        unsigned level = 2;
        std::int64_t ticks = 0;
        const char* end = word.data() + word.size();
        bool ok = colon != std::string::npos;
        if (ok) {
            const auto l = std::from_chars(word.data(), word.data() + colon, level);
            const auto t = std::from_chars(word.data() + colon + 1, end, ticks);
            ok = l.ec == std::errc() && l.ptr == word.data() + colon && level <= 1 && t.ec == std::errc() &&
                 t.ptr == end && colon + 1 < word.size();
        }
        if (!ok)
            throw UsageError{"stdin:" + std::to_string(line_number) + ": ожидалась пара «уровень:такты» (уровень 0 или 1), получено «" +
                             word + "»"};
        records.push_back({static_cast<std::uint8_t>(level), ticks});
    }
    return PackEdgeList(records);
}

int Decode(std::istream& in, std::ostream& out) {
    std::string line;
    int line_number = 0;
    while (std::getline(in, line)) {
        ++line_number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const EdgeBlock block = ParseEdgeLine(line, line_number);
        Frame frame;
        switch (DecodeEdgeList(block, frame)) {
            case DecodeOutcome::Good: {
                out << "good\t";
                for (std::uint8_t bit : frame.identifier_bits) out << (bit != 0 ? '1' : '0');
                out << '\t';
                for (int i = 1; i <= kFrameBytes; ++i) out << (i > 1 ? " " : "") << static_cast<int>(FrameByte(frame, i));
                out << '\n';
                break;
            }
            case DecodeOutcome::Bad: out << "bad\n"; break;
            case DecodeOutcome::Ignored: out << "ignored\n"; break;
        }
    }
    return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const LocaleFormat& locale) {
    try {
        if (args.empty()) throw UsageError{"не задана команда (см. kestrovin-cli --help)"};
        if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
            out << kHelp;
            return 0;
        }
        if (args[0] == "sheet") return Sheet(args, out, err, locale);
        if (args[0] == "record") {
            try {
                SimulatorOptions simulator;
                if (const char* text = std::getenv("KESTROVIN_SIMULATOR")) simulator = ParseSimulatorOptions(text);
                SystemCounter clock;
                PortOpener opener(clock, {}, simulator);
                return Record(args, out, err, locale, opener, clock);
            } catch (const std::invalid_argument& error) {
                throw UsageError{error.what()};
            }
        }
        if (args[0] == "export") return Export(args, locale);
        if (args[0] == "decode") {
            if (args.size() > 1) throw UsageError{"команда decode не принимает параметров: " + args[1]};
            return Decode(in, out);
        }
        throw UsageError{"неизвестная команда: " + args[0] + " (см. kestrovin-cli --help)"};
    } catch (const UsageError& error) {
        err << "kestrovin-cli: " << error.message << '\n';
        return 2;
    }
}

}  // namespace kestrovin::cli
