#pragma once

#include "frame_format.h"
#include "line_timeline.h"

#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

namespace quarnel::frame {

enum class CsvDialect {
    Point, // "," between columns, "." in numbers
    French // ";" between columns, "," in numbers, as French spreadsheets read them
};

// Value Change Dump, nanosecond time scale: a 1-bit wire TxD (1 = mark) and a real V_ligne in
// volts, an edge at each level change and a last time stamp at the end of the final idle.
// Written as the line goes: memory does not grow with the text.
void writeVcd(std::ostream& out, std::span<const std::uint16_t> values, const FrameFormat& format,
              const LineTiming& timing, std::string_view comment);

// One header line, then one sample every 1/sampleRate s from 0 to the end of the line: time in
// seconds, voltage, logic level (1 = mark). Written as the line goes.
void writeCsv(std::ostream& out, std::span<const std::uint16_t> values, const FrameFormat& format,
              const LineTiming& timing, std::uint64_t sampleRate, CsvDialect dialect);

// WaveDrom's WaveJSON: a TxD lane of 0 and 1 and a lane naming the bits, one character per
// bit time (per half bit when there are 1.5 stop bits), tick labels in µs.
void writeWaveJson(std::ostream& out, std::span<const std::uint16_t> values,
                   const FrameFormat& format, const LineTiming& timing, std::string_view title);

} // namespace quarnel::frame
