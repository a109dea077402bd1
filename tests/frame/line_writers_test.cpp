// The VCD and CSV of one frame worked by hand, and numbers that the process locale cannot
// change.
#include "line_writers.h"

#include <clocale>
#include <gtest/gtest.h>
#include <sstream>

namespace quarnel::frame {
namespace {

// 'U' = 0x55 at 1 Mbit/s, 8N1: a bit is 1000 ns; LSB first the data alternate 1 0 1 0 ...
FrameFormat oneMegabit8N1() {
    FrameFormat format;
    format.bitRate = 1'000'000;
    format.parity = Parity::None;
    return format;
}

TEST(Vcd, EdgesOfOneFrameAndTheLastTimeStamp) {
    std::ostringstream out;
    const std::uint16_t values[] = {0x55};
    writeVcd(out, values, oneMegabit8N1(), LineTiming{}, "U");
    const std::string text = out.str();
    const std::string body = text.substr(text.find("$enddefinitions $end\n") + 21);
    EXPECT_NE(text.find("$timescale 1 ns $end"), std::string::npos);
    EXPECT_NE(text.find("$var wire 1 ! TxD $end"), std::string::npos);
    EXPECT_NE(text.find("$var real 64 \" V_ligne $end"), std::string::npos);
    // Idle 2 bits, start at 2 µs, b0 = 1 at 3 µs ... b7 = 0 at 10 µs, stop at 11 µs, end at 14 µs.
    std::string expected = "#0\n$dumpvars\n1!\nr-5 \"\n$end\n#2000\n0!\nr5 \"\n";
    for (int t = 3; t <= 11; ++t)
        expected += "#" + std::to_string(t * 1000) + (t % 2 ? "\n1!\nr-5 \"\n" : "\n0!\nr5 \"\n");
    expected += "#14000\n";
    EXPECT_EQ(body, expected);
}

TEST(Csv, SamplesOfOneFrame) {
    std::ostringstream out;
    const std::uint16_t values[] = {0x55};
    // Two samples a bit: at 0, 0.5, 1 ... 13.5 µs.
    writeCsv(out, values, oneMegabit8N1(), LineTiming{}, 2'000'000, CsvDialect::Point);
    std::istringstream lines(out.str());
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line))
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 1u + 28u);
    EXPECT_EQ(rows[0], "temps (s),tension (V),TxD");
    EXPECT_EQ(rows[1], "0.000000000,-5,1");
    EXPECT_EQ(rows[4], "0.000001500,-5,1");
    EXPECT_EQ(rows[5], "0.000002000,5,0"); // the start bit
    EXPECT_EQ(rows[7], "0.000003000,-5,1"); // b0
    EXPECT_EQ(rows[28], "0.000013500,-5,1");
}

// Qt sets the C locale from the environment: a French one must not reach the files.
TEST(Csv, FrenchDialectWhateverTheProcessLocale) {
    const bool french = std::setlocale(LC_ALL, "fr_FR.UTF-8") || std::setlocale(LC_ALL, "fr_FR");
    FrameFormat format = oneMegabit8N1();
    format.levels = {LevelKind::Ttl, 3.3};
    const std::uint16_t values[] = {0x55};
    std::ostringstream point;
    std::ostringstream comma;
    writeCsv(point, values, format, LineTiming{}, 2'000'000, CsvDialect::Point);
    writeCsv(comma, values, format, LineTiming{}, 2'000'000, CsvDialect::French);
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(point.str().find("\n0.000002500,0,0\n0.000003000,3.3,1\n"), std::string::npos);
    EXPECT_EQ(comma.str().substr(0, 27), "temps (s);tension (V);TxD\n0");
    EXPECT_NE(comma.str().find("\n0,000002500;0;0\n0,000003000;3,3;1\n"), std::string::npos);
    if (!french)
        GTEST_LOG_(INFO) << "no French locale on this machine: checked under C only";
}

} // namespace
} // namespace quarnel::frame
