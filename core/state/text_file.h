// The game's text files. A line ends at a carriage return, and a line feed
// right after it belongs to the line end; a lone line feed does not end a
// line. Byte 26 or the physical end ends the file; reading past the end gives
// empty lines. Files are written with CR LF after every line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelmar {

class TextReader {
  public:
    // Opens and reads the file; raises InOutError when it cannot.
    explicit TextReader(const std::string& path);
    // Reads from bytes already in memory.
    static TextReader FromBytes(std::string bytes);

    std::string ReadLine();
    // The same line as a view into the reader's bytes, valid while it lives.
    std::string_view ReadLineView();

    // Reads an integer as the top-ten file stores its scores: blanks and line
    // ends are skipped, then up to 32 bytes are taken up to the next blank or
    // control byte and converted; the rest of that line is skipped. At the end
    // of the file it gives 0. A text that is not a number raises InOutError 106.
    int32_t ReadIntegerLine();

    bool AtEnd() const { return pos_ >= bytes_.size(); }

  private:
    TextReader() = default;
    void SkipLineEnd();

    std::string bytes_;
    size_t pos_ = 0;
    std::string path_;  // empty for bytes already in memory
};

class TextWriter {
  public:
    void WriteLine(std::string_view line);
    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

// Reads a whole file; raises InOutError with the code of the failure.
std::string ReadWholeFile(const std::string& path);

// Replaces the file with `bytes` so that it is never left half written: the
// bytes go to a temporary file in the same directory, are flushed to disk and
// renamed over the old file. On failure the old file is untouched, the
// temporary file is removed and InOutError is raised.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// A file of the game folder: the current directory, a separator unless it
// already ends in one, and the name.
std::string GameFolderPath(std::string_view fileName);

}  // namespace kelmar
