#include "state/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace kelmar {

namespace {

// The length of the unit to step over at an invalid sequence.
using SkipLength = size_t (*)(unsigned char lead);

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Convert(std::string_view in, std::string_view replacement, SkipLength skip) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(in.size() * 2);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                // An invalid or incomplete sequence: replace one unit and go on.
                out.append(replacement);
                size_t n = skip(static_cast<unsigned char>(*src));
                if (n > srcLeft)
                    n = srcLeft;
                src += n;
                srcLeft -= n;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

  private:
    iconv_t cd_;
};

size_t OneByte(unsigned char) {
    return 1;
}

size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

}  // namespace

std::string ShiftJisToUtf8(std::string_view sjis) {
    static thread_local Converter converter("UTF-8", "CP932");
    return converter.Convert(sjis, "\xEF\xBF\xBD", OneByte);
}

std::string Utf8ToShiftJis(std::string_view utf8) {
    static thread_local Converter converter("CP932", "UTF-8");
    return converter.Convert(utf8, "?", Utf8SequenceLength);
}

}  // namespace kelmar
