#include "state/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "state/errors.h"
#include "state/strings.h"

namespace kelmar {

namespace {

constexpr char kEndOfFile = 26;

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw InOutError::FromErrno(errno, path);
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw InOutError::FromErrno(errno, path);
    struct stat info {};
    const bool known = ::fstat(fd.get(), &info) == 0;
    if (known && S_ISDIR(info.st_mode))
        throw InOutError(5, path, EISDIR);
    std::string bytes;
    // A regular file's bytes go into one block rather than a string grown
    // again and again: the picture sheet is over half a megabyte.
    if (known && S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.reserve(static_cast<size_t>(info.st_size));
    char chunk[1 << 14];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw InOutError::FromErrno(errno, path);
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    return bytes;
}

TextReader::TextReader(const std::string& path) : bytes_(ReadWholeFile(path)), path_(path) {
    if (const size_t end = bytes_.find(kEndOfFile); end != std::string::npos)
        bytes_.resize(end);
}

TextReader TextReader::FromBytes(std::string bytes) {
    TextReader reader;
    reader.bytes_ = std::move(bytes);
    if (const size_t end = reader.bytes_.find(kEndOfFile); end != std::string::npos)
        reader.bytes_.resize(end);
    return reader;
}

void TextReader::SkipLineEnd() {
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
    }
}

std::string TextReader::ReadLine() {
    return std::string(ReadLineView());
}

std::string_view TextReader::ReadLineView() {
    if (AtEnd())
        return {};
    size_t end = bytes_.find('\r', pos_);
    if (end == std::string::npos)
        end = bytes_.size();
    const std::string_view line = std::string_view(bytes_).substr(pos_, end - pos_);
    pos_ = end;
    SkipLineEnd();
    return line;
}

int32_t TextReader::ReadIntegerLine() {
    auto isBlank = [](unsigned char c) { return c <= ' '; };
    while (!AtEnd() && isBlank(static_cast<unsigned char>(bytes_[pos_]))) ++pos_;
    if (AtEnd())
        return 0;
    const size_t start = pos_;
    while (!AtEnd() && pos_ - start < 32 && !isBlank(static_cast<unsigned char>(bytes_[pos_])))
        ++pos_;
    int32_t value = 0;
    if (!TryStrToInt(std::string_view(bytes_).substr(start, pos_ - start), value))
        throw InOutError(106, path_);
    ReadLine();  // the rest of the score's line
    return value;
}

void TextWriter::WriteLine(std::string_view line) {
    bytes_.append(line);
    bytes_.append("\r\n");
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        throw InOutError::FromErrno(errno, path);
    try {
        // A new file gets the ordinary permissions of a file the player makes.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.get(), 0666 & ~mask);
        WriteAll(fd.get(), bytes, path);
        if (::fsync(fd.get()) != 0)
            throw InOutError::FromErrno(errno, path);
        if (::close(fd.release()) != 0)
            throw InOutError::FromErrno(errno, path);
        if (::rename(temporary.c_str(), path.c_str()) != 0)
            throw InOutError::FromErrno(errno, path);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
}

std::string GameFolderPath(std::string_view fileName) {
    std::vector<char> buffer(PATH_MAX + 1);
    std::string folder;
    if (::getcwd(buffer.data(), buffer.size()) != nullptr)
        folder = buffer.data();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    folder.append(fileName);
    return folder;
}

}  // namespace kelmar
