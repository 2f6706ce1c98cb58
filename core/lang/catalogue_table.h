// The compiled catalogues, one table for every language but Japanese, made at
// build time from i18n/*.po by tools/lang/compile_catalogues.py.
#pragma once

#include <cstddef>
#include <string_view>

#include "lang/language.h"

namespace kelmar::catalogue {

// The key is the msgid, or the context, "\x04" and the msgid, as gettext
// joins them; the entries are sorted by the keys' bytes.
struct Entry {
    std::string_view key;
    std::string_view text;
};

struct Table {
    Language language;
    const Entry* entries;
    size_t count;
};

extern const Table kTables[];
extern const size_t kTableCount;

}  // namespace kelmar::catalogue
