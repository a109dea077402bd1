#include "frame_description.h"

#include "character_code.h"
#include "parity.h"

namespace quarnel {

namespace {

std::u16string bitWithLevel(int bit) {
    return bit == 1 ? u"1 (-5 V)" : u"0 (+5 V)";
}

} // namespace

std::u16string frameDescription(std::u16string_view binaryText) {
    const auto frameByte = dataByte(binaryText);
    if (!frameByte)
        return {};
    const int byte = frameByte->value;

    std::u16string text = u"Trame du caract\u00e8re ";
    // A control character has no glyph to name: only its code is given.
    if (byte >= 0x20 && byte != 0x7F && !(byte >= 0x80 && byte < 0xA0))
        text += u"\u00ab " + std::u16string(1, char16_t(byte)) + u" \u00bb ";
    text += u"(code " + hexText(byte, 2) + u") : bit de start 0 (+5 V)";
    // Bit 0 is sent first, just after the start bit.
    for (int bit = 0; bit < 8; ++bit) {
        text += u", bit " + std::u16string(1, char16_t(u'0' + bit)) + u" " +
                bitWithLevel((byte >> bit) & 1);
    }
    text +=
        u", bit de parit\u00e9 " + bitWithLevel(frameByte->parityBit) + u", bit de stop 1 (-5 V).";
    return text;
}

} // namespace quarnel
