#include "character_code.h"

#include "error.h"
#include "utf16.h"

namespace quarnel {

const std::array<std::u16string_view, 16> BCD = {
    u"0000", u"0001", u"0010", u"0011", u"0100", u"0101", u"0110", u"0111",
    u"1000", u"1001", u"1010", u"1011", u"1100", u"1101", u"1110", u"1111",
};

namespace {

std::optional<int> hexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return std::nullopt;
}

} // namespace

std::optional<std::int32_t> characterCode(std::u16string_view letterText) {
    if (letterText.empty())
        return std::nullopt;
    return static_cast<std::int32_t>(letterText.front());
}

std::u16string hexText(std::int32_t code, int minDigits) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    auto value = static_cast<std::uint32_t>(code);
    std::u16string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    if (static_cast<int>(text.size()) < minDigits)
        text.insert(0, static_cast<std::size_t>(minDigits) - text.size(), u'0');
    return text;
}

std::u16string HexToBinStr(std::u16string_view Hexa) {
    std::u16string binary(Hexa.size() * 4, u'0');
    // From the last character to the first, so that the error names the last invalid one.
    for (std::size_t i = Hexa.size(); i-- > 0;) {
        const auto value = hexDigitValue(Hexa[i]);
        if (!value)
            throw ConversionError::notAnInteger(u"$" + std::u16string(characterEndingAt(Hexa, i)));
        binary.replace(i * 4, 4, BCD[static_cast<std::size_t>(*value)]);
    }
    return binary;
}

} // namespace quarnel
