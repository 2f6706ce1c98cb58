#include <cstdint>
#include <string>

#include "state/errors.h"
#include "state/text_file.h"

// Lines and integer lines read in turns, as the top-ten file is read; the
// lines read must account for every byte before the end of the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    auto reader = kelmar::TextReader::FromBytes(bytes);
    size_t consumed = 0;
    for (int i = 0; i < 64 && !reader.AtEnd(); ++i) consumed += reader.ReadLine().size();
    if (consumed > size)
        __builtin_trap();

    auto mixed = kelmar::TextReader::FromBytes(bytes);
    try {
        for (int i = 0; i < 20; ++i) {
            mixed.ReadLine();
            mixed.ReadIntegerLine();
        }
    } catch (const kelmar::InOutError& e) {
        if (e.code() != 106)
            __builtin_trap();
    }
    return 0;
}
