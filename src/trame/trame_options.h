#pragma once

#include "frame_format.h"
#include "line_timeline.h"
#include "text_values.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace quarnel::trame {

enum class OutputKind { Svg, Pdf, Png, Vcd, Csv, CsvFrench, WaveJson };

// Handouts draw each frame: a long text is refused rather than drawn on a hundred pages.
inline constexpr std::size_t kMaxHandoutFrames = 100;

// What one run of the command is asked to do.
struct TrameRequest {
    frame::FrameFormat format;
    frame::LineTiming timing;
    frame::TextEncoding encoding = frame::TextEncoding::Utf8;
    bool hex = false;
    QString text;        // "-" reads standard input
    QString outputPath;  // "-" is standard output
    OutputKind kind = OutputKind::Vcd;
    std::uint64_t sampleRate = 0; // CSV samples per second
    bool beginAtRight = false;
};

struct ParsedArguments {
    enum class Outcome { Run, Help, Version, UsageError };
    Outcome outcome = Outcome::Run;
    TrameRequest request;
    QString message; // the help text, or the French error naming what was wrong
};

// The command line, program name first. Needs no application object and no display.
ParsedArguments parseArguments(const QStringList& arguments);

bool isHandout(OutputKind kind);

} // namespace quarnel::trame
