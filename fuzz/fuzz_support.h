// Helpers shared by the fuzz targets: a check that stops the run, and a reader that turns the
// fuzzer's bytes, front to back, into the program's inputs.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// Stops the run with the failed condition; libFuzzer keeps the input that caused it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            quarnel::fuzz::checkFailed(#condition, __FILE__, __LINE__);                            \
    } while (false)

namespace quarnel::fuzz {

[[noreturn]] inline void checkFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

// Reads the input from its first byte on; past the end every read gives zeros.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return position_ >= size_; }

    std::uint8_t byte() { return atEnd() ? 0 : data_[position_++]; }

    // Little-endian, as many bytes as the type holds.
    template <typename Unsigned> Unsigned unsignedValue() {
        Unsigned value = 0;
        for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
            value |= static_cast<Unsigned>(static_cast<Unsigned>(byte()) << (8 * i));
        return value;
    }

    // Any double at all: NaN, infinities, negative zero and subnormals included.
    double anyDouble() { return std::bit_cast<double>(unsignedValue<std::uint64_t>()); }

    // UTF-16 text: a byte below 0x80 is that ASCII character, so that the fuzzer reaches
    // digits and letters easily; a byte from 0x80 up is followed by two bytes giving any code
    // unit, lone surrogates and NUL included. At most `maxUnits` units, or up to the end.
    std::u16string text(std::size_t maxUnits = SIZE_MAX) {
        std::u16string text;
        while (text.size() < maxUnits && !atEnd()) {
            const std::uint8_t lead = byte();
            text += lead < 0x80 ? static_cast<char16_t>(lead) : unsignedValue<char16_t>();
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace quarnel::fuzz
