#include "line_writers.h"
#include "number_text.h"

namespace quarnel::frame {

namespace {

void writeLevel(std::ostream& out, bool mark, const LineLevels& levels) {
    out << (mark ? "1!\n" : "0!\n") << 'r'
        << shortestNumber(mark ? levels.markVolts() : levels.spaceVolts()) << " \"\n";
}

} // namespace

void writeVcd(std::ostream& out, std::span<const std::uint16_t> values, const FrameFormat& format,
              const LineTiming& timing, std::string_view comment) {
    out << "$comment " << comment << " $end\n"
        << "$version quarnel-trame $end\n"
        << "$timescale 1 ns $end\n"
        << "$scope module ligne $end\n"
        << "$var wire 1 ! TxD $end\n"
        << "$var real 64 \" V_ligne $end\n"
        << "$upscope $end\n"
        << "$enddefinitions $end\n";
    std::uint64_t lineEnd = 0;
    forEachLevelRun(values, format, timing, [&](std::uint64_t start, std::uint64_t end, bool mark) {
        out << '#' << integerText(nanosecondsAt(start, format.bitRate)) << '\n';
        if (start == 0)
            out << "$dumpvars\n";
        writeLevel(out, mark, format.levels);
        if (start == 0)
            out << "$end\n";
        lineEnd = end;
    });
    // Without this stamp a reader ends the file at the last edge and loses the last stop bit.
    out << '#' << integerText(nanosecondsAt(lineEnd, format.bitRate)) << '\n';
}

} // namespace quarnel::frame
