// libFuzzer target: the record file loader must survive any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // With and without a valid header, so the fuzzer reaches the body quickly.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kestrovin::ReadRecordFile(bytes);
    std::string with_header = "File for Kestrovin 1.0.0.3\r\n";
    with_header.append(bytes);
    const kestrovin::RecordLoad load = kestrovin::ReadRecordFile(with_header);
    if (load.status == kestrovin::RecordLoad::Status::Loaded) {
        kestrovin::FrameStore store;
        kestrovin::PutIntoStore(load.recording, store);
    }
    return 0;
}
