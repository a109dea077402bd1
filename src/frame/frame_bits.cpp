#include "frame_bits.h"

#include <bit>

namespace quarnel::frame {

std::optional<bool> parityBit(std::uint16_t value, int dataBits, Parity parity) {
    const unsigned data = value & ((1u << dataBits) - 1u);
    const bool oddOnes = std::popcount(data) % 2 == 1;
    switch (parity) {
    case Parity::None:
        return std::nullopt;
    case Parity::Even:
        return oddOnes;
    case Parity::Odd:
        return !oddOnes;
    case Parity::Mark:
        return true;
    case Parity::Space:
        return false;
    }
    return std::nullopt;
}

std::vector<FrameBit> frameBits(std::uint16_t value, const FrameFormat& format,
                                const FrameFaults& faults) {
    std::vector<FrameBit> bits;
    bits.reserve(static_cast<std::size_t>(format.dataBits) + 4);
    bits.push_back({BitRole::Start, -1, false, 2});
    for (int k = 0; k < format.dataBits; ++k) {
        const int weight = format.order == BitOrder::LsbFirst ? k : format.dataBits - 1 - k;
        bits.push_back({BitRole::Data, weight, ((value >> weight) & 1u) != 0, 2});
    }
    if (const auto parity = parityBit(value, format.dataBits, format.parity))
        bits.push_back({BitRole::Parity, -1, *parity, 2});
    // Two stop bits are two cells; one and a half is one longer cell.
    if (format.stopHalfBits == 4) {
        bits.push_back({BitRole::Stop, -1, true, 2});
        bits.push_back({BitRole::Stop, -1, true, 2});
    } else {
        bits.push_back({BitRole::Stop, -1, true, static_cast<std::uint64_t>(format.stopHalfBits)});
    }
    if (!faults.any())
        return bits;
    for (FrameBit& bit : bits) {
        const bool flip = (bit.role == BitRole::Data && ((faults.flippedData >> bit.dataIndex) & 1u) != 0) ||
                          (bit.role == BitRole::Parity && faults.flippedParity) ||
                          (bit.role == BitRole::Stop && faults.falseStop);
        if (flip) {
            bit.mark = !bit.mark;
            bit.altered = true;
        }
    }
    return bits;
}

std::uint64_t frameHalfBits(const FrameFormat& format) {
    const std::uint64_t parity = format.parity == Parity::None ? 0 : 2;
    return 2 + 2 * static_cast<std::uint64_t>(format.dataBits) + parity +
           static_cast<std::uint64_t>(format.stopHalfBits);
}

std::string bitName(const FrameBit& bit) {
    switch (bit.role) {
    case BitRole::Idle:
        return bit.mark ? "Repos" : "Break"; // the line held at space
    case BitRole::Start:
        return "Start";
    case BitRole::Data:
        return "b" + std::to_string(bit.dataIndex);
    case BitRole::Parity:
        return "P";
    case BitRole::Stop:
        return "Stop";
    }
    return "";
}

} // namespace quarnel::frame
