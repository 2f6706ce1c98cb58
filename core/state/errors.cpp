#include "state/errors.h"

#include <cerrno>

#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

std::string MessageWords::Japanese() const {
    std::vector<std::string> texts;
    texts.reserve(pieces.size());
    for (const Piece& piece : pieces)
        texts.push_back(piece.words ? piece.words->Japanese() : piece.text);
    std::vector<TextPiece> filled;
    filled.reserve(pieces.size());
    for (size_t i = 0; i < pieces.size(); ++i) filled.push_back({pieces[i].name, texts[i]});
    std::string out;
    AppendFilledShiftJis(out, wording.japanese, filled);
    return out;
}

std::shared_ptr<const MessageWords> Term(const Wording& wording) {
    return std::make_shared<const MessageWords>(MessageWords{wording, {}});
}

GameError::GameError(const Wording& wording) : GameError(MessageWords{wording, {}}) {}

GameError::GameError(MessageWords words)
    : std::runtime_error(words.Japanese()),
      words_(std::make_shared<const MessageWords>(std::move(words))) {}

ConversionError::ConversionError(const std::string& text)
    : GameError(MessageWords{wd<"'{text}' は整数ではありません">, {{"text", text, {}, {}}}}),
      text_(text) {}

InOutError::InOutError(int code, std::string file, int systemError)
    : GameError(MessageWords{InOutErrorWording(code), {{"code", IntToStr(code), {}, {}}}}),
      code_(code),
      file_(std::move(file)),
      systemError_(systemError) {}

PictureError::PictureError(const std::string& path, std::string diskPath, int systemError)
    : GameError(
          MessageWords{wd<"ﾌｧｲﾙ {file} は開けません">, {{"file", path, std::move(diskPath), {}}}}),
      systemError_(systemError) {}

// The path is the disk's, as the game shows it.
IniWriteError::IniWriteError(const std::string& path)
    : GameError(MessageWords{wd<"{file} に書き込めません">, {{"file", path, path, {}}}}) {}

RangeError NoSheetCell(const Wording& what, int64_t value) {
    return RangeError(
        MessageWords{wd<"力士.bmp には{what} {value} の絵がありません">,
                     {{"what", {}, {}, Term(what)}, {"value", IntToStr(value), {}, {}}}});
}

RangeError NoPortraitCell(int64_t portrait) {
    return NoSheetCell(wd<"四股名の番号", "sheet cell">, portrait);
}

RangeError BadDataLine(const std::string& file, int line, MessageWords why) {
    return RangeError(
        MessageWords{wd<"{file} の {line} 行目: {why}">,
                     {{"file", file, {}, {}},
                      {"line", IntToStr(line), {}, {}},
                      {"why", {}, {}, std::make_shared<const MessageWords>(std::move(why))}}});
}

const Wording& InOutErrorWording(int code) {
    static constexpr Wording kNotFound = wd<"ﾌｧｲﾙが見つかりません">;
    static constexpr Wording kBadName = wd<"不正なﾌｧｲﾙ名です">;
    static constexpr Wording kTooMany = wd<"ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます">;
    static constexpr Wording kDenied = wd<"ﾌｧｲﾙへのｱｸｾｽが拒否されました">;
    static constexpr Wording kPastTheEnd = wd<"ﾌｧｲﾙの末尾以降を読み込みました">;
    static constexpr Wording kDiskFull = wd<"ﾃﾞｨｽｸがいっぱいです">;
    static constexpr Wording kNotANumber = wd<"入力値が数値ではありません">;
    static constexpr Wording kOther = wd<"I/O ｴﾗｰ ({code})">;
    switch (code) {
        case 2:
            return kNotFound;
        case 3:
            return kBadName;
        case 4:
            return kTooMany;
        case 5:
            return kDenied;
        case 100:
            return kPastTheEnd;
        case 101:
            return kDiskFull;
        case 106:
            return kNotANumber;
        default:
            return kOther;
    }
}

std::string InOutErrorText(int code) {
    return Japanese(InOutErrorWording(code), {{"code", IntToStr(code)}});
}

int InOutError::CodeForErrno(int err) {
    switch (err) {
        case ENOENT:
            return 2;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return 5;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return 101;
        case EIO:
            return 1117;  // the device error code of the platform the texts come from
        default:
            // Any other errno is reported by its own number, unless that number
            // would read as one of the codes above.
            switch (err) {
                case 2:
                case 3:
                case 4:
                case 5:
                case 100:
                case 101:
                case 106:
                    return 1000 + err;
                default:
                    return err;
            }
    }
}

}  // namespace kelmar
