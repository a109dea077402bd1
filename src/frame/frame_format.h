#pragma once

#include <cstdint>
#include <string>

namespace quarnel::frame {

enum class Parity { None, Even, Odd, Mark, Space };
enum class BitOrder { LsbFirst, MsbFirst };
enum class LevelKind { Rs232, Ttl, TtlInverted };

// The voltages of the two logic states of the line. RS-232 sends mark as -V and space as
// +V; TTL sends mark high and space at 0 V; inverted TTL the other way round.
struct LineLevels {
    LevelKind kind = LevelKind::Rs232;
    double volts = 5.0;

    double markVolts() const;
    double spaceVolts() const;
};

inline constexpr std::uint32_t kMaxBitRate = 10'000'000;
inline constexpr int kMinDataBits = 5;
inline constexpr int kMaxDataBits = 9;

// How each character is sent. Stop bits are counted in half bits so that 1.5 is exact.
struct FrameFormat {
    std::uint32_t bitRate = 19200;
    int dataBits = 8;
    Parity parity = Parity::Even;
    int stopHalfBits = 2;
    BitOrder order = BitOrder::LsbFirst;
    LineLevels levels;
};

// "19200 bit/s, 8 bits de données, parité paire, 1 bit de stop"
std::string describe(const FrameFormat& format);

// "RS-232 : repos (1) à -5 V, 0 à +5 V", in the words a handout uses.
std::string describeLevels(const LineLevels& levels);

// Volts as a reader writes them, decimal comma: "5", "3,3", "-12,5".
std::string frenchNumber(double value);

} // namespace quarnel::frame
