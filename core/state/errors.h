// The one family of errors the game raises. Every message is the game's own
// text in Shift-JIS, exactly as the player sees it in the message box. A
// message the game puts together keeps its words too (MessageWords), so that
// a face that shows another language words it afresh (lang/error_text.h).
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "state/wording.h"

namespace kelmar {

// A message's wording and the pieces that fill it in.
struct MessageWords {
    struct Piece {
        std::string_view name;
        std::string text;  // the game's text (Shift-JIS)
        // The piece as the other languages show it, UTF-8, when that is not
        // the text converted: a file's name as it is on disk.
        std::string shown;
        // A piece that is itself a worded message or term: shown translated.
        std::shared_ptr<const MessageWords> words;
    };
    Wording wording;
    std::vector<Piece> pieces;

    // The game's text: the Japanese wording filled in.
    std::string Japanese() const;
};

// A term of the game's as a piece of a message ("番付", "勝ち数" ...).
std::shared_ptr<const MessageWords> Term(const Wording& wording);

class GameError : public std::runtime_error {
  public:
    explicit GameError(const std::string& message) : std::runtime_error(message) {}
    // The message of a wording without pieces, or of words put together.
    explicit GameError(const Wording& wording);
    explicit GameError(MessageWords words);
    // How the message was put together; null for a text of its own.
    const MessageWords* words() const { return words_.get(); }

  private:
    std::shared_ptr<const MessageWords> words_;
};

// A text that is not an integer: "'%s' は整数ではありません".
class ConversionError : public GameError {
  public:
    explicit ConversionError(const std::string& text);
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// An input/output error of a text file, carried by its code (2, 3, 4, 5, 100,
// 101, 106 or any other). The message names the code's reason only; the file
// (as on disk) and the system's errno are kept beside it, when known, for a
// face that names them.
class InOutError : public GameError {
  public:
    explicit InOutError(int code, std::string file = {}, int systemError = 0);
    int code() const { return code_; }
    const std::string& file() const { return file_; }
    int systemError() const { return systemError_; }

    // The code the game reports for a failed system call with this errno.
    static int CodeForErrno(int err);
    static InOutError FromErrno(int err, std::string file = {}) {
        return InOutError(CodeForErrno(err), std::move(file), err);
    }

  private:
    int code_;
    std::string file_;
    int systemError_;
};

// A picture file that cannot be opened: "ﾌｧｲﾙ %s は開けません", the path as
// the game shows it; the path on disk and the system's errno, when known,
// are kept for the faces.
class PictureError : public GameError {
  public:
    explicit PictureError(const std::string& path, std::string diskPath = {}, int systemError = 0);
    int systemError() const { return systemError_; }

  private:
    int systemError_;
};

// A write into the saved game that failed: "%s に書き込めません".
class IniWriteError : public GameError {
  public:
    explicit IniWriteError(const std::string& path);
};

// A value outside what the game's data can hold (a slot, a day or a place out
// of range, a figure that would overflow). These are our own texts: the game's
// rules leave such values undefined, and we refuse them instead of reading
// beyond an array.
class RangeError : public GameError {
  public:
    explicit RangeError(const std::string& message) : GameError(message) {}
    explicit RangeError(const Wording& wording) : GameError(wording) {}
    explicit RangeError(MessageWords words) : GameError(std::move(words)) {}
};

// A value the picture sheet "力士.bmp" has no cell for, named with what it
// is (a term: "番付", "勝ち数", "四股名の番号" ...) and its value.
RangeError NoSheetCell(const Wording& what, int64_t value);
// The same for a portrait number: no figure and no name plate.
RangeError NoPortraitCell(int64_t portrait);

// A data file refused when it is loaded, naming the file and the line, and
// why.
RangeError BadDataLine(const std::string& file, int line, MessageWords why);

// The reason of an input/output error's code, and its wording (with {code}
// for a code of no reason of its own).
std::string InOutErrorText(int code);
const Wording& InOutErrorWording(int code);

}  // namespace kelmar
