// The one family of errors the game raises. Every message is the game's own
// text in Shift-JIS, exactly as the player sees it in the message box.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelmar {

class GameError : public std::runtime_error {
  public:
    explicit GameError(const std::string& message) : std::runtime_error(message) {}
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
// 101, 106 or any other).
class InOutError : public GameError {
  public:
    explicit InOutError(int code);
    int code() const { return code_; }

    // The code the game reports for a failed system call with this errno.
    static int CodeForErrno(int err);
    static InOutError FromErrno(int err) { return InOutError(CodeForErrno(err)); }

  private:
    int code_;
};

// A picture file that cannot be opened: "ﾌｧｲﾙ %s は開けません".
class PictureError : public GameError {
  public:
    explicit PictureError(const std::string& path);
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
};

// A value the picture sheet "力士.bmp" has no cell for, named with what it
// is (a game string: "番付", "勝ち数", "四股名の番号" ...) and its value.
RangeError NoSheetCell(const std::string& what, int64_t value);
// The same for a portrait number: no figure and no name plate.
RangeError NoPortraitCell(int64_t portrait);

// A data file refused when it is loaded, naming the file and the line.
RangeError BadDataLine(const std::string& file, int line, const std::string& what);

std::string InOutErrorText(int code);

}  // namespace kelmar
