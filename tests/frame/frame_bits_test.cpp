// The bits of one frame against tables worked by hand, and against the window's own
// encoding for the letters it shows.
#include "character_code.h"
#include "frame_bits.h"
#include "parity.h"
#include "test_formats.h"

#include <gtest/gtest.h>
#include <string>

namespace quarnel::frame {
namespace {

// The frame as the line sends it, one character a bit: "0" start, data, parity, stop.
std::string sentBits(std::uint16_t value, const FrameFormat& format) {
    std::string text;
    for (const FrameBit& bit : frameBits(value, format))
        text.append(bit.halfBits == 3 ? "1½" : bit.mark ? "1" : "0");
    return text;
}

using testing_formats::format;

struct FrameCase {
    const char* name;
    std::uint16_t value;
    FrameFormat format;
    const char* sent;
};

class FrameBitsTable : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameBitsTable, SendsStartDataParityStop) {
    EXPECT_EQ(sentBits(GetParam().value, GetParam().format), GetParam().sent);
}

// 0x61 'a' = 0110 0001: three ones. 0x41 'A' = 100 0001 in 7 bits: two ones.
INSTANTIATE_TEST_SUITE_P(
    Frames, FrameBitsTable,
    testing::Values(
        FrameCase{"a_8E1", 0x61, format(8, Parity::Even, 2), "0" "10000110" "1" "1"},
        FrameCase{"a_8O1", 0x61, format(8, Parity::Odd, 2), "0" "10000110" "0" "1"},
        FrameCase{"a_8N1", 0x61, format(8, Parity::None, 2), "0" "10000110" "1"},
        FrameCase{"a_8M1", 0x61, format(8, Parity::Mark, 2), "0" "10000110" "1" "1"},
        FrameCase{"a_8S1", 0x61, format(8, Parity::Space, 2), "0" "10000110" "0" "1"},
        FrameCase{"a_8E1_msb_first", 0x61, format(8, Parity::Even, 2, BitOrder::MsbFirst),
                  "0" "01100001" "1" "1"},
        FrameCase{"A_7E1", 0x41, format(7, Parity::Even, 2), "0" "1000001" "0" "1"},
        FrameCase{"A_7O2", 0x41, format(7, Parity::Odd, 4), "0" "1000001" "1" "11"},
        FrameCase{"x15_5E1", 0x15, format(5, Parity::Even, 2), "0" "10101" "1" "1"},
        FrameCase{"x3F_6E1_5", 0x3F, format(6, Parity::Even, 3), "0" "111111" "0" "1½"},
        FrameCase{"x1FF_9E1", 0x1FF, format(9, Parity::Even, 2), "0" "111111111" "1" "1"},
        FrameCase{"x100_9O1_msb", 0x100, format(9, Parity::Odd, 2, BitOrder::MsbFirst),
                  "0" "100000000" "0" "1"},
        FrameCase{"x00_8E2", 0x00, format(8, Parity::Even, 4), "0" "00000000" "0" "11"}),
    [](const auto& info) { return std::string(info.param.name); });

// Only the data bits count: bit 7 of 0xC1 is not sent in 7 bits and does not change parity.
TEST(ParityBit, CountsTheDataBitsOnly) {
    EXPECT_EQ(parityBit(0xC1, 7, Parity::Even), false);
    EXPECT_EQ(parityBit(0xC1, 8, Parity::Even), true);
    EXPECT_EQ(parityBit(0xC1, 8, Parity::None), std::nullopt);
}

TEST(BitNames, NameEachCellOfTheFrame) {
    std::vector<std::string> names;
    for (const FrameBit& bit : frameBits(0x61, format(7, Parity::Odd, 2, BitOrder::MsbFirst)))
        names.push_back(bitName(bit));
    EXPECT_EQ(names, (std::vector<std::string>{"Start", "b6", "b5", "b4", "b3", "b2", "b1", "b0", "P", "Stop"}));
}

// The window's encoding gives the binary text most significant digit first and the even
// parity bit; the model, sending least significant first, must carry the same bits.
TEST(WindowEncoding, SameBitsForEveryLetterOfTheList) {
    for (char16_t letter = u'a'; letter <= u'w'; ++letter) {
        const std::u16string binary = HexToBinStr(hexText(*characterCode(std::u16string(1, letter))));
        const std::vector<FrameBit> bits = frameBits(letter, FrameFormat{});
        ASSERT_EQ(bits.size(), 11u);
        for (int weight = 0; weight < 8; ++weight) {
            const FrameBit& sent = bits[static_cast<std::size_t>(1 + weight)];
            EXPECT_EQ(sent.dataIndex, weight);
            EXPECT_EQ(sent.mark, binary[static_cast<std::size_t>(7 - weight)] == u'1')
                << "letter " << static_cast<char>(letter) << " b" << weight;
        }
        EXPECT_EQ(bits[9].role, BitRole::Parity);
        EXPECT_EQ(bits[9].mark ? 1.0 : 0.0, *parite(binary)) << "letter " << static_cast<char>(letter);
    }
}

} // namespace
} // namespace quarnel::frame
