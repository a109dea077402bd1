// quarnel-trame's command line on any arguments: a request within the documented limits,
// or a usage error that says something.
//
// Input: arguments separated by NUL bytes (UTF-8), the program name put first.
#include "fuzz_support.h"
#include "trame_options.h"

using namespace quarnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList arguments{QStringLiteral("quarnel-trame")};
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& word : bytes.split('\0'))
        arguments << QString::fromUtf8(word);

    const trame::ParsedArguments parsed = trame::parseArguments(arguments);
    if (parsed.outcome != trame::ParsedArguments::Outcome::Run) {
        FUZZ_CHECK(!parsed.message.isEmpty());
        return 0;
    }
    const trame::TrameRequest& request = parsed.request;
    const frame::FrameFormat& format = request.format;
    FUZZ_CHECK(format.bitRate >= 1 && format.bitRate <= frame::kMaxBitRate);
    FUZZ_CHECK(format.dataBits >= frame::kMinDataBits && format.dataBits <= frame::kMaxDataBits);
    FUZZ_CHECK(format.stopHalfBits >= 2 && format.stopHalfBits <= 4);
    FUZZ_CHECK(request.timing.pause <= frame::kMaxPause);
    FUZZ_CHECK(request.sampleRate >= 1);
    FUZZ_CHECK(!request.outputPath.isEmpty());
    const double volts = format.levels.volts;
    if (format.levels.kind == frame::LevelKind::Rs232)
        FUZZ_CHECK(volts >= 3 && volts <= 25);
    else
        FUZZ_CHECK(volts == 5.0 || volts == 3.3);
    return 0;
}
