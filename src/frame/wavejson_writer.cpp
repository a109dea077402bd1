#include "line_writers.h"
#include "number_text.h"

#include <string>
#include <vector>

namespace quarnel::frame {

namespace {

void writeJsonString(std::ostream& out, std::string_view text) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    out << '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            out << '\\' << c;
        else if (byte < 0x20)
            out << "\\u00" << hexDigits[byte >> 4] << hexDigits[byte & 0xF];
        else
            out << c;
    }
    out << '"';
}

char cellWave(BitRole role) {
    switch (role) {
    case BitRole::Idle:
        return '=';
    case BitRole::Start:
    case BitRole::Stop:
        return '3';
    case BitRole::Data:
        return '2';
    case BitRole::Parity:
        return '4';
    }
    return '=';
}

} // namespace

void writeWaveJson(std::ostream& out, std::span<const std::uint16_t> values,
                   const FrameFormat& format, const LineTiming& timing, std::string_view title) {
    // A wave character is one bit time, or half of one when a cell lasts 1.5 bits.
    const std::uint64_t unit = format.stopHalfBits % 2 == 1 ? 1 : 2;
    std::string levels;
    std::string cells;
    std::vector<std::string> names;
    forEachPlacedBit(values, format, timing, [&](const PlacedBit& placed) {
        const std::uint64_t count = placed.bit.halfBits / unit;
        levels.append(count, placed.bit.mark ? '1' : '0');
        cells += cellWave(placed.bit.role);
        cells.append(count - 1, '.');
        names.push_back(bitName(placed.bit));
    });

    out << "{\"signal\":[{\"name\":\"TxD\",\"wave\":\"" << levels << "\"},\n"
        << "{\"name\":\"bits\",\"wave\":\"" << cells << "\",\"data\":[";
    for (std::size_t i = 0; i < names.size(); ++i)
        out << (i ? "," : "") << '"' << names[i] << '"';
    out << "]}],\n\"head\":{\"text\":";
    writeJsonString(out, title);
    // One tick label per wave character, in microseconds from the line's beginning.
    out << ",\"tick\":\"";
    for (std::uint64_t k = 0; k * unit <= lineHalfBits(values.size(), format, timing); ++k)
        out << (k ? " " : "")
            << shortestNumber(static_cast<double>(nanosecondsAt(k * unit, format.bitRate)) / 1000.0);
    out << "\"},\n\"foot\":{\"text\":\"temps en µs\"},\"config\":{\"hscale\":1}}\n";
}

} // namespace quarnel::frame
