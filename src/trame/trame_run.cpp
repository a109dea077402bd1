#include "trame_run.h"

#include "handout_files.h"
#include "line_writers.h"
#include "number_text.h"
#include "exercise_sheet.h"
#include "output_file.h"
#include "receiver.h"
#include "text_values.h"
#include "trame_options.h"

#include <QGuiApplication>
#include <cstdio>
#include <iostream>
#include <memory>
#include <ostream>

namespace quarnel::trame {

namespace {

constexpr int kBadInput = 1;
constexpr int kUsageError = 2;
// Enough for any lesson; more would only fill the disk with samples.
constexpr std::size_t kMaxInputBytes = 16u << 20;

class InputRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Standard error carries this command's French messages only: Qt's own notices (a runtime
// folder it made up, a font it substituted) would read as failures.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

void printError(const std::string& message) {
    std::fputs(("quarnel-trame : " + message + "\n").c_str(), stderr);
}

std::string readStandardInput() {
    std::string text;
    char buffer[1 << 16];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        text.append(buffer, count);
        if (text.size() > kMaxInputBytes)
            throw InputRefused("l'entrée standard dépasse 16 Mio : découpez le texte");
    }
    if (std::ferror(stdin))
        throw InputRefused("l'entrée standard n'a pas pu être lue");
    // `echo Bonjour |` ends the text with a line break that nobody means to send.
    if (text.ends_with("\r\n"))
        text.resize(text.size() - 2);
    else if (text.ends_with('\n'))
        text.pop_back();
    return text;
}

// "« B » 0x42" for each frame; a character sent in several frames names its part in each.
QStringList frameLabels(const TrameRequest& request, const std::string& text,
                        const std::vector<std::uint16_t>& values) {
    QStringList labels;
    const int dataBits = request.format.dataBits;
    if (request.hex) {
        for (std::uint16_t value : values)
            labels << QString::fromStdString(frame::frameCode(value, dataBits));
        return labels;
    }
    frame::forEachCharacter(text, request.encoding, dataBits, [&](const frame::EncodedCharacter& character) {
        const char32_t c = character.codePoint;
        const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
        const QString shown = control ? QString() : QStringLiteral("« %1 » ").arg(QString::fromUtf8(character.utf8));
        for (std::size_t k = 0; k < character.values.size(); ++k) {
            QString label = shown + QString::fromStdString(frame::frameCode(character.values[k], dataBits));
            if (character.values.size() > 1)
                label += QStringLiteral(" (%1/%2)").arg(k + 1).arg(character.values.size());
            labels << label;
        }
    });
    return labels;
}

HandoutContent handoutContent(const TrameRequest& request, const std::string& text,
                              const std::vector<std::uint16_t>& values) {
    HandoutContent content;
    const QString shown = request.hex ? QStringLiteral("Valeurs %1").arg(QString::fromStdString(text).simplified())
                                      : QStringLiteral("« %1 »").arg(QString::fromStdString(text));
    content.title = shown;
    content.formatLine = QString::fromStdString(frame::describe(request.format));
    content.levels = QString::fromStdString(frame::describeLevels(request.format.levels));
    content.format = request.format;
    frame::forEachPlacedBit(values, request.format, request.timing,
                            [&](const frame::PlacedBit& placed) { content.cells.push_back(placed); });
    content.frameLabels = frameLabels(request, text, values);
    content.beginAtRight = request.beginAtRight;
    // Errors sent on purpose are shown with what a receiver at the sender's rate makes of them.
    const bool errorsSent = request.timing.faults.any() || request.timing.breakBits > 0;
    if (request.receiver || errorsSent) {
        content.receiverRate = request.receiver.value_or(frame::ReceiverRate{request.format.bitRate, 1});
        frame::receive(values, request.format, request.timing, *content.receiverRate, [&](const frame::ReceivedFrame& received) {
            content.received.push_back(received);
            content.verdicts << QString::fromStdString(
                frame::verdictLine(content.received.size(), received, request.format, request.encoding));
        });
    }
    return content;
}

void writeOutput(const TrameRequest& request, const std::string& text,
                 const std::vector<std::uint16_t>& values, QIODevice& device) {
    if (isHandout(request.kind)) {
        const HandoutContent content = handoutContent(request, text, values);
        if (request.kind == OutputKind::Svg)
            writeSvg(content, device);
        else if (request.kind == OutputKind::Pdf)
            writePdf(content, device);
        else
            writePng(content, device);
        return;
    }
    DeviceStreamBuffer buffer(device);
    std::ostream out(&buffer);
    const std::string title = frame::describe(request.format);
    switch (request.kind) {
    case OutputKind::Vcd:
        frame::writeVcd(out, values, request.format, request.timing, title);
        break;
    case OutputKind::Csv:
    case OutputKind::CsvFrench:
        frame::writeCsv(out, values, request.format, request.timing, request.sampleRate,
                        request.kind == OutputKind::Csv ? frame::CsvDialect::Point : frame::CsvDialect::French);
        break;
    case OutputKind::WaveJson:
        frame::writeWaveJson(out, values, request.format, request.timing, title);
        break;
    default:
        break;
    }
    out.flush();
    if (!out)
        throw OutputError("l'écriture a échoué (disque plein ?) ; rien n'a été écrit");
}

// One line per frame the receiver reads, numbered from 1 in the order it reads them.
void printVerdicts(const TrameRequest& request, const std::vector<std::uint16_t>& values) {
    const frame::ReceiverRate rate = request.receiver.value_or(frame::ReceiverRate{request.format.bitRate, 1});
    std::size_t number = 0;
    std::string lines;
    frame::receive(values, request.format, request.timing, rate, [&](const frame::ReceivedFrame& received) {
        lines += frame::verdictLine(++number, received, request.format, request.encoding);
        lines += '\n';
        if (lines.size() > (1u << 16)) {
            std::fwrite(lines.data(), 1, lines.size(), stdout);
            lines.clear();
        }
    });
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    std::fflush(stdout);
}

} // namespace

int run(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ParsedArguments parsed = parseArguments(arguments);
    switch (parsed.outcome) {
    case ParsedArguments::Outcome::Help:
    case ParsedArguments::Outcome::Version:
        std::fputs(parsed.message.toStdString().c_str(), stdout);
        return 0;
    case ParsedArguments::Outcome::UsageError:
        printError(parsed.message.toStdString());
        return kUsageError;
    case ParsedArguments::Outcome::Run:
        break;
    }
    const TrameRequest& request = parsed.request;
    if (request.task == TrameRequest::Task::Tolerance) {
        std::fputs((frame::describeTolerance(request.format) + "\n").c_str(), stdout);
        return 0;
    }
    qInstallMessageHandler(keepQtQuiet);

    // Handouts draw text: they need a GUI application, on no display unless one was chosen.
    std::unique_ptr<QCoreApplication> application;
    if (isHandout(request.kind) && request.writeFile) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    try {
        if (request.task == TrameRequest::Task::Exercises) {
            OutputFile output(request.outputPath);
            writeExerciseSheet(request.exercises, output.device());
            output.commit();
            return 0;
        }
        const std::string text = request.text == QLatin1String("-") ? readStandardInput() : request.text.toStdString();
        if (text.empty())
            throw InputRefused(request.text == QLatin1String("-") ? "l'entrée standard est vide : il n'y a rien à envoyer"
                                                                  : "le texte est vide : il n'y a rien à envoyer");
        const std::vector<std::uint16_t> values = request.hex
                                                      ? frame::hexValues(text, request.format.dataBits)
                                                      : frame::textValues(text, request.encoding, request.format.dataBits);
        if (isHandout(request.kind) && values.size() > kMaxHandoutFrames)
            throw InputRefused("le texte fait " + std::to_string(values.size()) +
                               " trames ; un document en dessine au plus " + std::to_string(kMaxHandoutFrames) +
                               " (les formats vcd, csv et json n'ont pas cette limite)");
        if (request.timing.faultyFrame != frame::kNoFrame && request.timing.faultyFrame >= values.size())
            throw InputRefused("--trame : la trame " + std::to_string(request.timing.faultyFrame + 1) +
                               " n'existe pas ; le texte en fait " + std::to_string(values.size()));
        if (request.writeFile) {
            OutputFile output(request.outputPath);
            writeOutput(request, text, values, output.device());
            output.commit();
        }
        if (request.verdicts)
            printVerdicts(request, values);
    } catch (const frame::InputError& error) {
        printError(error.what());
        return kBadInput;
    } catch (const InputRefused& error) {
        printError(error.what());
        return kBadInput;
    } catch (const OutputError& error) {
        printError(error.what());
        return kBadInput;
    }
    return 0;
}

} // namespace quarnel::trame
