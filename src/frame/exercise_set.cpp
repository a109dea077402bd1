#include "exercise_set.h"

#include "number_text.h"

#include <stdexcept>

namespace quarnel::frame {

std::uint64_t drawBelow(std::mt19937_64& random, std::uint64_t n) {
    if (n == 0)
        throw std::invalid_argument("drawBelow: empty range");
    // Draws past the last whole multiple of n are thrown back, so that every result is as likely.
    const std::uint64_t rejected = (0 - n) % n; // 2^64 mod n
    std::uint64_t x = random();
    while (x < rejected)
        x = random();
    return x % n;
}

Exercise answered(ExerciseKind kind, const FrameFormat& format, std::uint16_t value, const FrameFaults& faults) {
    Exercise e;
    e.kind = kind;
    e.format = format;
    e.value = value;
    e.faults = faults;
    e.bits = frameBits(value, format, faults);
    e.code = frameCode(value, format.dataBits);
    e.character = static_cast<char>(value);
    for (const FrameBit& bit : e.bits)
        if (bit.role == BitRole::Data)
            e.lineBits.push_back(bit.mark ? '1' : '0');
    for (int k = 0; k < format.dataBits; ++k)
        if ((faults.flippedData >> k) & 1u)
            e.flipped.push_back(k);
    e.receivedValue = static_cast<std::uint16_t>(value ^ faults.flippedData);
    // The receiver recomputes the parity of what it read and compares it with the bit it got.
    const auto sent = parityBit(value, format.dataBits, format.parity);
    const auto expected = parityBit(e.receivedValue, format.dataBits, format.parity);
    const bool parityFlipped = faults.flippedParity;
    e.parityHolds = !sent || (*sent != parityFlipped) == *expected;
    return e;
}

ExerciseSet makeExercises(int count, std::uint64_t seed, const std::vector<FrameFormat>& formats) {
    if (formats.empty())
        throw std::invalid_argument("makeExercises: no format");
    std::vector<FrameFormat> checkable;
    for (const FrameFormat& format : formats) {
        if (format.dataBits < kExerciseMinDataBits)
            throw std::invalid_argument("makeExercises: the letters need 7 data bits or more");
        if (format.parity == Parity::Even || format.parity == Parity::Odd)
            checkable.push_back(format);
    }
    std::vector<ExerciseKind> turn{ExerciseKind::ReadFrame, ExerciseKind::DrawFrame};
    if (!checkable.empty())
        turn.push_back(ExerciseKind::CheckParity);

    ExerciseSet set;
    set.seed = seed;
    std::mt19937_64 random(seed);
    const auto letters = static_cast<std::uint64_t>(kLastLetter - kFirstLetter + 1);
    for (int i = 0; i < count; ++i) {
        const ExerciseKind kind = turn[static_cast<std::size_t>(i) % turn.size()];
        const std::vector<FrameFormat>& pool = kind == ExerciseKind::CheckParity ? checkable : formats;
        const FrameFormat& format = pool[drawBelow(random, pool.size())];
        const auto value = static_cast<std::uint16_t>(kFirstLetter + drawBelow(random, letters));
        FrameFaults faults;
        if (kind == ExerciseKind::CheckParity) {
            const auto bits = static_cast<std::uint64_t>(format.dataBits);
            const std::uint64_t flips = drawBelow(random, 3);
            if (flips >= 1) {
                const std::uint64_t first = drawBelow(random, bits);
                faults.flippedData = static_cast<std::uint16_t>(1u << first);
                if (flips == 2) {
                    // The second among the bits left: never the first again.
                    std::uint64_t second = drawBelow(random, bits - 1);
                    if (second >= first)
                        ++second;
                    faults.flippedData = static_cast<std::uint16_t>(faults.flippedData | (1u << second));
                }
            }
        }
        set.exercises.push_back(answered(kind, format, value, faults));
    }
    return set;
}

std::string shortName(const FrameFormat& format) {
    static constexpr char parities[] = {'N', 'E', 'O', 'M', 'S'};
    std::string name = integerText(format.dataBits);
    name.push_back(parities[static_cast<int>(format.parity)]);
    name += format.stopHalfBits == 3 ? "1.5" : integerText(format.stopHalfBits / 2);
    return name;
}

} // namespace quarnel::frame
