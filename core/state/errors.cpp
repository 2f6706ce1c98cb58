#include "state/errors.h"

#include <cerrno>

#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

ConversionError::ConversionError(const std::string& text)
    : GameError("'" + text + sj<"' は整数ではありません">), text_(text) {}

InOutError::InOutError(int code) : GameError(InOutErrorText(code)), code_(code) {}

PictureError::PictureError(const std::string& path)
    : GameError(sj<"ﾌｧｲﾙ "> + path + sj<" は開けません">) {}

IniWriteError::IniWriteError(const std::string& path) : GameError(path + sj<" に書き込めません">) {}

RangeError NoSheetCell(const std::string& what, int64_t value) {
    return RangeError(sj<"力士.bmp には"> + what + " " + IntToStr(value) + sj<" の絵がありません">);
}

RangeError NoPortraitCell(int64_t portrait) {
    return NoSheetCell(sj<"四股名の番号">, portrait);
}

RangeError BadDataLine(const std::string& file, int line, const std::string& what) {
    return RangeError(file + sj<" の "> + IntToStr(line) + sj<" 行目: "> + what);
}

std::string InOutErrorText(int code) {
    switch (code) {
        case 2:
            return sj<"ﾌｧｲﾙが見つかりません">;
        case 3:
            return sj<"不正なﾌｧｲﾙ名です">;
        case 4:
            return sj<"ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます">;
        case 5:
            return sj<"ﾌｧｲﾙへのｱｸｾｽが拒否されました">;
        case 100:
            return sj<"ﾌｧｲﾙの末尾以降を読み込みました">;
        case 101:
            return sj<"ﾃﾞｨｽｸがいっぱいです">;
        case 106:
            return sj<"入力値が数値ではありません">;
        default:
            return sj<"I/O ｴﾗｰ ("> + IntToStr(code) + ")";
    }
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
