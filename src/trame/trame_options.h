#pragma once

#include "frame_format.h"
#include "line_timeline.h"
#include "receiver.h"
#include "text_values.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace quarnel::trame {

enum class OutputKind { Svg, Pdf, Png, Vcd, Csv, CsvFrench, WaveJson };

// Handouts draw each frame: a long text is refused rather than drawn on a hundred pages.
inline constexpr std::size_t kMaxHandoutFrames = 100;

// The largest mismatch between the receiver's rate and the sender's that the command takes.
inline constexpr int kMaxMismatchPercent = 50;
inline constexpr int kMaxExercises = 100;

// An exercise sheet: how many exercises, drawn from which seed, in which formats.
struct ExerciseRequest {
    int count = 0;
    std::optional<std::uint64_t> seed; // none: a new seed, printed on the sheet
    std::vector<frame::FrameFormat> formats;
};

// What one run of the command is asked to do.
struct TrameRequest {
    enum class Task {
        Frames,    // a text's frames, as a file and/or as the receiver's verdicts
        Tolerance, // the receiver mismatch the format bears, printed
        Exercises, // an exercise sheet
    };
    Task task = Task::Frames;
    frame::FrameFormat format;
    frame::LineTiming timing;
    frame::TextEncoding encoding = frame::TextEncoding::Utf8;
    bool hex = false;
    QString text;        // "-" reads standard input
    QString outputPath;  // "-" is standard output
    OutputKind kind = OutputKind::Vcd;
    std::uint64_t sampleRate = 0; // CSV samples per second
    bool beginAtRight = false;
    std::optional<frame::ReceiverRate> receiver; // drawn on handouts, and read for verdicts
    bool verdicts = false;                       // the receiver's verdicts on standard output
    bool writeFile = true;                       // false for verdicts alone
    ExerciseRequest exercises;
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
