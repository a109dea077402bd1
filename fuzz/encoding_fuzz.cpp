// The frame encoding on any text: character code, hexadecimal text, binary text, parity, and
// the UTF-8 form that error messages take.
//
// Input: a 32-bit code and a digit count for the hexadecimal text, then the text (see
// ByteReader::text) given to every function.
#include "character_code.h"
#include "error.h"
#include "fuzz_support.h"
#include "parity.h"
#include "utf16.h"

#include <optional>
#include <string>

using namespace quarnel;
using namespace quarnel::fuzz;

namespace {

std::optional<unsigned> hexDigitValue(char16_t c) {
    const std::u16string_view digits = u"0123456789abcdef";
    const char16_t lower = (c >= u'A' && c <= u'F') ? char16_t(c - u'A' + u'a') : c;
    const auto at = digits.find(lower);
    return at == std::u16string_view::npos ? std::nullopt : std::optional<unsigned>(at);
}

std::u16string notAnIntegerMessage(std::u16string_view named) {
    return u"'" + std::u16string(named) + u"' n'est pas une valeur enti\u00e8re correcte";
}

void checkCharacterCode(std::u16string_view text) {
    const auto code = characterCode(text);
    FUZZ_CHECK(code.has_value() == !text.empty());
    if (code)
        FUZZ_CHECK(*code == static_cast<std::int32_t>(text.front()) && *code >= 0 &&
                   *code <= 0xFFFF);
}

// Upper-case digits only, at least `minDigits` and no leading zero beyond them, reading back
// to the code as an unsigned 32-bit value.
void checkHexText(std::int32_t code, int minDigits) {
    const std::u16string hex = hexText(code, minDigits);
    FUZZ_CHECK(!hex.empty());
    FUZZ_CHECK(hex.size() >= static_cast<std::size_t>(std::max(minDigits, 1)));
    std::uint64_t value = 0;
    for (char16_t c : hex) {
        FUZZ_CHECK((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'));
        value = value * 16 + *hexDigitValue(c);
    }
    FUZZ_CHECK(value == static_cast<std::uint32_t>(code));
    if (hex.size() > static_cast<std::size_t>(std::max(minDigits, 1)))
        FUZZ_CHECK(hex.front() != u'0');
}

// Four binary characters per digit, most significant first; otherwise the error names the
// last character that is not a digit, a surrogate pair as one character.
void checkBinaryText(std::u16string_view hexa) {
    std::optional<std::size_t> lastInvalid;
    for (std::size_t i = 0; i < hexa.size(); ++i)
        if (!hexDigitValue(hexa[i]))
            lastInvalid = i;
    try {
        const std::u16string binary = HexToBinStr(hexa);
        FUZZ_CHECK(!lastInvalid);
        FUZZ_CHECK(binary.size() == 4 * hexa.size());
        for (std::size_t i = 0; i < hexa.size(); ++i) {
            unsigned value = 0;
            for (std::size_t bit = 0; bit < 4; ++bit) {
                const char16_t c = binary[4 * i + bit];
                FUZZ_CHECK(c == u'0' || c == u'1');
                value = value * 2 + (c == u'1' ? 1 : 0);
            }
            FUZZ_CHECK(value == *hexDigitValue(hexa[i]));
        }
    } catch (const ConversionError& error) {
        FUZZ_CHECK(lastInvalid);
        const std::size_t i = *lastInvalid;
        const bool pair = isLowSurrogate(hexa[i]) && i > 0 && isHighSurrogate(hexa[i - 1]);
        const auto named = pair ? hexa.substr(i - 1, 2) : hexa.substr(i, 1);
        FUZZ_CHECK(error.message() == notAnIntegerMessage(u"$" + std::u16string(named)));
    }
}

// The first eight characters, a shorter text padded on the left with zeros; the first of
// them that is not a decimal digit is named, a surrogate pair as one character.
void checkParity(std::u16string_view text) {
    const std::u16string_view used = text.substr(0, 8);
    std::optional<std::size_t> firstInvalid;
    for (std::size_t k = 0; k < used.size() && !firstInvalid; ++k)
        if (used[k] < u'0' || used[k] > u'9')
            firstInvalid = k;
    try {
        const auto byte = dataByte(text);
        const auto parity = parite(text);
        FUZZ_CHECK(!firstInvalid);
        FUZZ_CHECK(byte.has_value() == !text.empty() && parity.has_value() == !text.empty());
        if (!byte)
            return;
        const std::size_t padding = 8 - used.size();
        int ones = 0;
        int value = 0;
        for (std::size_t k = 0; k < 8; ++k) {
            const int expected = k < padding ? 0 : used[k - padding] - u'0';
            FUZZ_CHECK(byte->digits[k] == expected);
            ones += expected == 1 ? 1 : 0;
            value |= (expected == 1 ? 1 : 0) << (7 - k);
        }
        FUZZ_CHECK(byte->value == value);
        FUZZ_CHECK(byte->parityBit == ones % 2 && *parity == (ones % 2 == 1 ? 1.0 : 0.0));
    } catch (const ConversionError& error) {
        FUZZ_CHECK(firstInvalid);
        const std::size_t k = *firstInvalid;
        const bool pair =
            isHighSurrogate(text[k]) && k + 1 < text.size() && isLowSurrogate(text[k + 1]);
        FUZZ_CHECK(error.message() == notAnIntegerMessage(text.substr(k, pair ? 2 : 1)));
    }
}

// Well-formed UTF-8 that decodes to the text's characters, a lone surrogate becoming U+FFFD.
// The decoded characters are written back as UTF-16, the other way round from the program.
void checkUtf8(std::u16string_view text) {
    std::u16string expected(text);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (isHighSurrogate(expected[i]) && i + 1 < expected.size() &&
            isLowSurrogate(expected[i + 1]))
            ++i;
        else if (isHighSurrogate(expected[i]) || isLowSurrogate(expected[i]))
            expected[i] = 0xFFFD;
    }
    const std::string utf8 = toUtf8(text);
    std::u16string decoded;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        FUZZ_CHECK(lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4));
        FUZZ_CHECK(i + length <= utf8.size());
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            FUZZ_CHECK((next & 0xC0) == 0x80);
            cp = (cp << 6) | (next & 0x3F);
        }
        // Shortest form only, and never a surrogate or beyond U+10FFFF.
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        FUZZ_CHECK(cp >= least[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF));
        if (cp < 0x10000) {
            decoded += char16_t(cp);
        } else {
            decoded += char16_t(0xD800 + ((cp - 0x10000) >> 10));
            decoded += char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
        i += length;
    }
    FUZZ_CHECK(decoded == expected);
    // what() is a C string: it ends at the first NUL.
    FUZZ_CHECK(Error(std::u16string(text)).what() == utf8.substr(0, utf8.find('\0')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    const auto code = static_cast<std::int32_t>(input.unsignedValue<std::uint32_t>());
    const int minDigits = input.byte() % 12;
    const std::u16string text = input.text();

    checkCharacterCode(text);
    checkHexText(code, minDigits);
    if (const auto first = characterCode(text))
        checkHexText(*first, 1);
    checkBinaryText(text);
    checkParity(text);
    checkUtf8(text);
    return 0;
}
