#include <errno.h>
#include <iconv.h>

#include "code_page.h"

namespace gamereg {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : descriptor(iconv_open(to, from)) {}
    ~Converter() {
        if (descriptor != reinterpret_cast<iconv_t>(-1)) iconv_close(descriptor);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `input`; a sequence that cannot be converted is replaced
    // by `replacement`, or fails the whole conversion when there is none.
    std::optional<std::string> Convert(std::string_view input,
                                       std::optional<std::string_view> replacement) const {
        if (descriptor == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
        std::string output;
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[256];
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(descriptor, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            if (!replacement) return std::nullopt;
            output += *replacement;
            ++in;
            --inLeft;
        }
        return output;
    }

private:
    iconv_t descriptor;
};

}  // namespace

std::optional<Text> Utf8ToCodePage936(std::string_view utf8) {
    return Converter("CP936", "UTF-8").Convert(utf8, std::nullopt);
}

std::string CodePage936ToUtf8(std::string_view text) {
    return Converter("UTF-8", "CP936").Convert(text, "\xEF\xBF\xBD").value_or(std::string());
}

std::filesystem::path PathFromUtf8(std::string_view utf8) { return std::filesystem::path(utf8); }

std::optional<Text> DatabasePathFromUtf8(std::string_view utf8) { return Text(utf8); }

}  // namespace gamereg
