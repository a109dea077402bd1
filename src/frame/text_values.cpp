#include "text_values.h"

#include "number_text.h"

#include <charconv>

namespace quarnel::frame {

namespace {

std::string hexCode(unsigned value, int digits) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = hexDigits[value & 0xF];
    return text;
}

std::string bitsOfData(int dataBits) {
    return integerText(dataBits) + " bits de données";
}

[[noreturn]] void badUtf8(std::string_view text, std::size_t at) {
    throw InputError("le texte n'est pas en UTF-8 valide (octet 0x" +
                     hexCode(static_cast<unsigned char>(text[at]), 2) + " à la position " +
                     integerText(at + 1) + ")");
}

} // namespace

std::string characterName(char32_t codePoint, std::string_view utf8) {
    std::string code = "(U+" + hexCode(codePoint, codePoint > 0xFFFF ? 6 : 4) + ")";
    const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
    return control ? code : "« " + std::string(utf8) + " » " + code;
}

namespace detail {

char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const std::size_t begin = at;
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || begin + length > text.size())
        badUtf8(text, begin);
    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[begin + k]);
        if ((next & 0xC0) != 0x80)
            badUtf8(text, begin + k);
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // Shortest form only, and neither surrogates nor beyond U+10FFFF.
    constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < least[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        badUtf8(text, begin);
    at = begin + length;
    return codePoint;
}

std::vector<std::uint16_t> encodeCharacter(char32_t codePoint, std::string_view utf8,
                                           TextEncoding encoding, int dataBits) {
    std::vector<std::uint16_t> values;
    switch (encoding) {
    case TextEncoding::Utf8:
        for (char byte : utf8)
            values.push_back(static_cast<unsigned char>(byte));
        break;
    case TextEncoding::Latin1:
        if (codePoint > 0xFF)
            throw InputError(characterName(codePoint, utf8) + " n'existe pas en ISO-8859-1");
        values.push_back(static_cast<std::uint16_t>(codePoint));
        break;
    case TextEncoding::Ascii:
        if (codePoint > 0x7F)
            throw InputError(characterName(codePoint, utf8) + " n'existe pas en ASCII");
        values.push_back(static_cast<std::uint16_t>(codePoint));
        break;
    }
    for (std::uint16_t value : values)
        if (value >> dataBits != 0)
            throw InputError(characterName(codePoint, utf8) + " ne tient pas sur " +
                             bitsOfData(dataBits));
    return values;
}

} // namespace detail

std::vector<std::uint16_t> textValues(std::string_view utf8Text, TextEncoding encoding,
                                      int dataBits) {
    if (utf8Text.empty())
        throw InputError("le texte est vide : il n'y a rien à envoyer");
    std::vector<std::uint16_t> values;
    // A UTF-8 text has at most one frame per byte: one allocation for the whole text.
    values.reserve(utf8Text.size());
    forEachCharacter(utf8Text, encoding, dataBits, [&](const EncodedCharacter& character) {
        values.insert(values.end(), character.values.begin(), character.values.end());
    });
    return values;
}

std::vector<std::uint16_t> hexValues(std::string_view text, int dataBits) {
    std::vector<std::uint16_t> values;
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ','; };
    for (std::size_t at = 0; at < text.size();) {
        if (isSpace(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !isSpace(text[end]))
            ++end;
        const std::string_view word = text.substr(at, end - at);
        std::string_view digits = word;
        if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
            digits.remove_prefix(2);
        unsigned value = 0;
        const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        const bool whole = error == std::errc() && stop == digits.data() + digits.size();
        if (error == std::errc::result_out_of_range || (whole && value >> dataBits != 0))
            throw InputError("la valeur « " + std::string(word) + " » ne tient pas sur " +
                             bitsOfData(dataBits));
        if (!whole)
            throw InputError("« " + std::string(word) + " » n'est pas un nombre hexadécimal");
        values.push_back(static_cast<std::uint16_t>(value));
        at = end;
    }
    if (values.empty())
        throw InputError("aucune valeur hexadécimale : il n'y a rien à envoyer");
    return values;
}

} // namespace quarnel::frame
