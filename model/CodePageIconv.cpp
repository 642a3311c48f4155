#include "model/CodePage.h"

#include <cerrno>
#include <iconv.h>

namespace mirota::codepage {

namespace {

// "CP932", not "SHIFT_JIS": the latter lacks the Windows extensions (①, ～, ㎜ ...) and reads
// 0x5C and 0x7E as ¥ and ‾.
constexpr const char* kCodePage = "CP932";
constexpr const char* kUtf8 = "UTF-8";

class Converter {
public:
    static constexpr std::size_t kSlack = 16;  // room for a character or two when the input is short

    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (isOpen()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of input in one pass; stops at the first sequence that cannot be converted. The
    // text starts at its expected size and doubles when that is short: the worst case (three times
    // the input) is not made and filled for every text.
    Conversion run(std::string_view input, std::size_t expectedSize) {
        Conversion result;
        if (!isOpen()) {
            result.failedAt = 0;
            return result;
        }
        std::string out(expectedSize + kSlack, '\0');
        char* in = const_cast<char*>(input.data());  // iconv's interface is not const-correct
        std::size_t inLeft = input.size();
        std::size_t used = 0;
        while (inLeft > 0) {
            char* outPtr = out.data() + used;
            std::size_t outLeft = out.size() - used;
            const std::size_t status = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            used = static_cast<std::size_t>(outPtr - out.data());
            if (status != static_cast<std::size_t>(-1)) break;
            if (error == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ (invalid or unconvertible) or EINVAL (cut off at the end)
            result.failedAt = input.size() - inLeft;
            break;
        }
        out.resize(used);
        result.text = std::move(out);
        return result;
    }

private:
    iconv_t handle_;
};

Conversion convert(const char* to, const char* from, std::string_view input, std::size_t expectedSize) {
    Converter converter(to, from);
    return converter.run(input, expectedSize);
}

}  // namespace

Conversion toUtf8(std::string_view codePageBytes) {
    // Mostly ASCII, which stays as it is; a double-byte character becomes three UTF-8 bytes.
    return convert(kUtf8, kCodePage, codePageBytes, codePageBytes.size() + codePageBytes.size() / 4);
}

Conversion fromUtf8(std::string_view utf8) {
    Conversion encoded = convert(kCodePage, kUtf8, utf8, utf8.size());
    // The codec maps a few characters onto look-alikes (U+301C and U+2212 onto the code page's
    // ～ and －), which would read back as other characters: the text must come back as itself.
    const std::string_view converted = utf8.substr(0, encoded.failedAt.value_or(utf8.size()));
    const Conversion back = convert(kUtf8, kCodePage, encoded.text, utf8.size());
    if (back.ok() && back.text == converted) return encoded;

    std::size_t same = 0;
    while (same < converted.size() && same < back.text.size() && converted[same] == back.text[same]) ++same;
    // back to the start of the character
    while (same > 0 && same < utf8.size() && (static_cast<unsigned char>(utf8[same]) & 0xC0) == 0x80) --same;
    Conversion partial = convert(kCodePage, kUtf8, utf8.substr(0, same), same);
    partial.failedAt = same;
    return partial;
}

}  // namespace mirota::codepage
