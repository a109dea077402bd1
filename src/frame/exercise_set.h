#pragma once

#include "frame_bits.h"
#include "frame_format.h"

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace quarnel::frame {

// The letters the class has seen so far, the only characters the exercises send.
inline constexpr char kFirstLetter = 'a';
inline constexpr char kLastLetter = 'w';
// The data bits the letters need: 7, as 'w' is 0x77.
inline constexpr int kExerciseMinDataBits = std::bit_width(static_cast<unsigned>(kLastLetter));

enum class ExerciseKind {
    ReadFrame,   // "Quel caractère ?": a frame without labels, read back
    DrawFrame,   // "Dessinez la trame": a character and a format, drawn by hand
    CheckParity, // "La parité est-elle juste ?": a frame with 0, 1 or 2 data bits flipped
};

// One exercise and its answer, worked by the frame model.
struct Exercise {
    ExerciseKind kind = ExerciseKind::ReadFrame;
    FrameFormat format;
    std::uint16_t value = 0; // the letter sent
    FrameFaults faults;      // flipped data bits, for CheckParity only

    // The answer.
    std::vector<FrameBit> bits;   // the cells as the line sends them, faults included
    std::string lineBits;         // the data bits in the order they are sent: "01000110"
    std::string code;             // "0x62"
    char character = 0;           // 'b'
    std::vector<int> flipped;     // weights of the flipped data bits, smallest first
    std::uint16_t receivedValue = 0; // what a receiver reads: the value with the flips
    bool parityHolds = true;      // the receiver's parity check passes
};

struct ExerciseSet {
    std::uint64_t seed = 0;
    std::vector<Exercise> exercises;
};

// A number in [0, n), the same on every machine: std:: distributions are not.
std::uint64_t drawBelow(std::mt19937_64& random, std::uint64_t n);

// `count` exercises, kinds in turn (ReadFrame, DrawFrame, CheckParity), each format drawn from
// `formats`. CheckParity takes only the formats with even or odd parity, where a flipped bit
// can show; with none of those it is left out of the turn. Throws std::invalid_argument for
// no format, or one with fewer than 7 data bits (the letters do not fit).
ExerciseSet makeExercises(int count, std::uint64_t seed, const std::vector<FrameFormat>& formats);

// The exercise's answer from its kind, format, value and faults.
Exercise answered(ExerciseKind kind, const FrameFormat& format, std::uint16_t value,
                  const FrameFaults& faults = {});

// "8E1", "7O2", "8N1.5": the short name of a format.
std::string shortName(const FrameFormat& format);

} // namespace quarnel::frame
