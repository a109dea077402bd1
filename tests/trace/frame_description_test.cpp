#include "frame_description.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(FrameDescription, NamesTheCharacterAndTheBitsInTheOrderSent) {
    EXPECT_EQ(frameDescription(u"01100011"),
              u"Trame du caract\u00e8re \u00ab c \u00bb (code 63) : bit de start 0 (+5 V), "
              u"bit 0 1 (-5 V), bit 1 1 (-5 V), bit 2 0 (+5 V), bit 3 0 (+5 V), "
              u"bit 4 0 (+5 V), bit 5 1 (-5 V), bit 6 1 (-5 V), bit 7 0 (+5 V), "
              u"bit de parit\u00e9 0 (+5 V), bit de stop 1 (-5 V).");
}

TEST(FrameDescription, ControlCharactersAreNamedByTheirCodeOnly) {
    const std::u16string text = frameDescription(u"1010"); // code 0A
    EXPECT_EQ(text.rfind(u"Trame du caract\u00e8re (code 0A) :", 0), 0u) << text.size();
}

TEST(FrameDescription, EmptyBinaryTextHasNone) {
    EXPECT_EQ(frameDescription(u""), u"");
}

} // namespace
} // namespace quarnel
