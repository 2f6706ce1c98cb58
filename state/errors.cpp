#include "state/errors.h"

#include <cerrno>

#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

ConversionError::ConversionError(const std::string& text)
    : GameError("'" + text + "' は整数ではありません"_sj), text_(text) {}

InOutError::InOutError(int code) : GameError(InOutErrorText(code)), code_(code) {}

PictureError::PictureError(const std::string& path)
    : GameError("ﾌｧｲﾙ "_sj + path + " は開けません"_sj) {}

IniWriteError::IniWriteError(const std::string& path) : GameError(path + " に書き込めません"_sj) {}

RangeError NoSheetCell(const std::string& what, int64_t value) {
    return RangeError("力士.bmp には"_sj + what + " " + IntToStr(value) + " の絵がありません"_sj);
}

RangeError NoPortraitCell(int64_t portrait) {
    return NoSheetCell("四股名の番号"_sj, portrait);
}

RangeError BadDataLine(const std::string& file, int line, const std::string& what) {
    return RangeError(file + " の "_sj + IntToStr(line) + " 行目: "_sj + what);
}

std::string InOutErrorText(int code) {
    switch (code) {
        case 2:
            return "ﾌｧｲﾙが見つかりません"_sj;
        case 3:
            return "不正なﾌｧｲﾙ名です"_sj;
        case 4:
            return "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"_sj;
        case 5:
            return "ﾌｧｲﾙへのｱｸｾｽが拒否されました"_sj;
        case 100:
            return "ﾌｧｲﾙの末尾以降を読み込みました"_sj;
        case 101:
            return "ﾃﾞｨｽｸがいっぱいです"_sj;
        case 106:
            return "入力値が数値ではありません"_sj;
        default:
            return "I/O ｴﾗｰ ("_sj + IntToStr(code) + ")";
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
