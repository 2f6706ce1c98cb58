#include "lang/catalogue.h"

#include <algorithm>

#include "lang/catalogue_table.h"

namespace kelmar {
namespace {

constexpr char kContextSeparator = '\x04';

const catalogue::Table* TableOf(Language language) {
    for (size_t i = 0; i < catalogue::kTableCount; ++i)
        if (catalogue::kTables[i].language == language)
            return &catalogue::kTables[i];
    return nullptr;
}

}  // namespace

std::optional<std::string_view> CatalogueText(Language language, std::string_view context,
                                              std::string_view japanese) {
    const catalogue::Table* table = TableOf(language);
    if (table == nullptr || table->count == 0)
        return std::nullopt;
    std::string key;
    if (!context.empty()) {
        key.reserve(context.size() + 1 + japanese.size());
        key.append(context).append(1, kContextSeparator);
    }
    key.append(japanese);
    const catalogue::Entry* end = table->entries + table->count;
    const catalogue::Entry* found =
        std::lower_bound(table->entries, end, std::string_view(key),
                         [](const catalogue::Entry& e, std::string_view k) { return e.key < k; });
    if (found == end || found->key != key)
        return std::nullopt;
    return found->text;
}

std::string TranslateIn(Language language, std::string_view context, std::string_view japanese) {
    return std::string(CatalogueText(language, context, japanese).value_or(japanese));
}

std::string Translate(Language language, std::string_view japanese) {
    return TranslateIn(language, {}, japanese);
}

std::string FormatIn(Language language, std::string_view context, std::string_view japanese,
                     std::initializer_list<TextPiece> pieces) {
    return FilledUtf8(CatalogueText(language, context, japanese).value_or(japanese), pieces);
}

std::string Format(Language language, std::string_view japanese,
                   std::initializer_list<TextPiece> pieces) {
    return FormatIn(language, {}, japanese, pieces);
}

std::string Format(Language language, const Wording& wording, std::span<const TextPiece> pieces) {
    return FilledUtf8(
        CatalogueText(language, wording.context, wording.msgid).value_or(wording.msgid), pieces);
}

std::string Format(Language language, const Wording& wording,
                   std::initializer_list<TextPiece> pieces) {
    return Format(language, wording, std::span(pieces.begin(), pieces.size()));
}

std::string Translate(Language language, const Wording& wording) {
    return TranslateIn(language, wording.context, wording.msgid);
}

}  // namespace kelmar
