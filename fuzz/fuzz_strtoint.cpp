#include <cstdint>
#include <string_view>

#include "state/errors.h"
#include "state/strings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int32_t quiet = 0;
    const bool ok = kelmar::TryStrToInt(text, quiet);
    try {
        const int32_t value = kelmar::StrToInt(text);
        if (!ok || value != quiet)
            __builtin_trap();  // the two must agree
        // A value reads back from its own decimal text.
        if (kelmar::StrToInt(kelmar::IntToStr(value)) != value)
            __builtin_trap();
    } catch (const kelmar::ConversionError&) {
        if (ok)
            __builtin_trap();
    }
    return 0;
}
