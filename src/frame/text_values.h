#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::frame {

enum class TextEncoding { Utf8, Latin1, Ascii };

// Input the frames cannot carry; the message is French, in UTF-8, and names what was wrong.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One character of the text and the values of the frames that carry it.
struct EncodedCharacter {
    char32_t codePoint;
    std::string_view utf8; // the character as it was in the text
    std::vector<std::uint16_t> values;
};

// Calls visit(const EncodedCharacter&) for each character of a UTF-8 text, in order.
// Throws InputError for a text that is not UTF-8, a character that the encoding has not, or a
// value that does not fit the data bits: « é » (U+00E9) ne tient pas sur 7 bits de données.
void forEachCharacter(std::string_view utf8Text, TextEncoding encoding, int dataBits,
                      const auto& visit);

// The frame values of a whole text, in order. Throws InputError as above, and for an empty text.
std::vector<std::uint16_t> textValues(std::string_view utf8Text, TextEncoding encoding,
                                      int dataBits);

// Values written in hexadecimal and separated by spaces ("41 0D 0A"), an optional 0x on each.
// Throws InputError for an empty list, a word that is not hexadecimal or a value too wide.
std::vector<std::uint16_t> hexValues(std::string_view text, int dataBits);

// "« é » (U+00E9)": how messages and handouts name a character; a control character by its
// code alone.
std::string characterName(char32_t codePoint, std::string_view utf8);

namespace detail {
// Decodes the UTF-8 character at `at`, moving `at` past it. Throws InputError.
char32_t nextCodePoint(std::string_view text, std::size_t& at);
// The frame values of one character, or throws InputError.
std::vector<std::uint16_t> encodeCharacter(char32_t codePoint, std::string_view utf8,
                                           TextEncoding encoding, int dataBits);
} // namespace detail

void forEachCharacter(std::string_view utf8Text, TextEncoding encoding, int dataBits,
                      const auto& visit) {
    for (std::size_t at = 0; at < utf8Text.size();) {
        const std::size_t begin = at;
        const char32_t codePoint = detail::nextCodePoint(utf8Text, at);
        const std::string_view utf8 = utf8Text.substr(begin, at - begin);
        visit(EncodedCharacter{codePoint, utf8,
                               detail::encodeCharacter(codePoint, utf8, encoding, dataBits)});
    }
}

} // namespace quarnel::frame
