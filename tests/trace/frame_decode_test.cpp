// Reads the drawn frames back with sigrok's UART decoder. The chart shows the frame's
// beginning at the right, so the line is sampled from right to left, as it was sent.
#include "character_code.h"
#include "frame_trace.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace quarnel {
namespace {

// 1920000 Hz gives 100 samples per bit at 19200 bit/s.
constexpr double kSampleRate = 1920000.0;

double voltageAt(const std::vector<TracePoint>& trace, double x) {
    for (std::size_t i = 1; i < trace.size(); ++i) {
        const auto& a = trace[i - 1];
        const auto& b = trace[i];
        if (x <= b.x && b.x > a.x)
            return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    }
    return trace.back().y;
}

// Writes the line as logic levels (negative voltage = mark = 1), in the order it was sent.
std::filesystem::path writeLogicCsv(const std::vector<TracePoint>& trace, const std::string& name) {
    const auto path = std::filesystem::temp_directory_path() / ("quarnel-" + name + ".csv");
    std::ofstream out(path);
    out << "n,TXD\n";
    const double end = trace.back().x;
    const auto samples = static_cast<int>(end * 1e-6 * kSampleRate);
    for (int n = 0; n < samples; ++n) {
        const double sentAt = n / kSampleRate * 1e6;
        out << n << ',' << (voltageAt(trace, end - sentAt) < 0 ? 1 : 0) << '\n';
    }
    return path;
}

std::vector<std::string> decode(const std::filesystem::path& csv) {
    const std::string command = std::string(SIGROK_CLI) + " -i " + csv.string() +
                                " -I csv:column_formats=-,l:samplerate=1920000:header=yes"
                                " -P uart:rx=TXD:baudrate=19200:data_bits=8:parity=even:stop_bits=1"
                                ":bit_order=lsb-first:format=hex"
                                " -A uart=rx-data:rx-parity-ok:rx-parity-err:rx-stop 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<std::string> lines;
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe.get())) {
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (line.rfind("uart-1: ", 0) == 0)
            line.erase(0, 8);
        lines.push_back(line);
    }
    return lines;
}

std::string upperHex(int code) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", code);
    return text;
}

class DecodedFrame : public testing::TestWithParam<char16_t> {};

TEST_P(DecodedFrame, SendAndZoomTracesDecodeToTheLetterWithEvenParity) {
    const char16_t letter = GetParam();
    const std::u16string binary = HexToBinStr(hexText(*characterCode(std::u16string(1, letter))));
    const std::vector<std::string> expected = {upperHex(letter), "Parity bit", "Stop bit"};
    const std::string name(1, static_cast<char>(letter));
    EXPECT_EQ(decode(writeLogicCsv(*sendTrace(binary), "send-" + name)), expected);
    EXPECT_EQ(decode(writeLogicCsv(*zoomTrace(binary), "zoom-" + name)), expected);
}

// The letters of the list, and bytes whose bit 0 or bit 7 is set, the edges of the data field.
INSTANTIATE_TEST_SUITE_P(Characters, DecodedFrame,
                         testing::Values(u'a', u'b', u'c', u'h', u'p', u'w', u'U', u'\x7f', u'\xff',
                                         u'\x80', u'\x01'),
                         [](const auto& info) { return "code_" + upperHex(info.param); });

} // namespace
} // namespace quarnel
