#include "line_writers.h"
#include "number_text.h"

#include <charconv>
#include <string>

namespace quarnel::frame {

namespace {

__extension__ typedef unsigned __int128 Wide;

// Decimals enough that two neighbouring sample times never print alike.
int timeDecimals(std::uint64_t sampleRate) {
    int decimals = 1;
    for (std::uint64_t step = 10; step < sampleRate && decimals < 15; step *= 10)
        ++decimals;
    return decimals + 2;
}

// First sample index n with n / sampleRate ≥ h / (2 × bitRate).
std::uint64_t firstSampleAt(std::uint64_t halfBits, std::uint64_t sampleRate, std::uint32_t bitRate) {
    const Wide numerator = static_cast<Wide>(halfBits) * sampleRate;
    const Wide denominator = 2 * static_cast<Wide>(bitRate);
    return static_cast<std::uint64_t>((numerator + denominator - 1) / denominator);
}

// Samples go through one buffer so that the stream sees few large writes.
class SampleWriter {
public:
    SampleWriter(std::ostream& out, std::uint64_t sampleRate, CsvDialect dialect)
        : out_(out), sampleRate_(static_cast<double>(sampleRate)),
          decimals_(timeDecimals(sampleRate)), french_(dialect == CsvDialect::French) {}
    ~SampleWriter() { flush(); }

    void write(std::uint64_t n, std::string_view rest) {
        if (buffer_.size() > kFlushAt)
            flush();
        char time[64];
        const auto end = std::to_chars(time, time + sizeof time, static_cast<double>(n) / sampleRate_,
                                       std::chars_format::fixed, decimals_).ptr;
        if (french_)
            for (char* c = time; c != end; ++c)
                if (*c == '.')
                    *c = ',';
        buffer_.append(time, end);
        buffer_.append(rest);
    }

private:
    static constexpr std::size_t kFlushAt = 1 << 16;

    void flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

    std::ostream& out_;
    double sampleRate_;
    int decimals_;
    bool french_;
    std::string buffer_;
};

} // namespace

void writeCsv(std::ostream& out, std::span<const std::uint16_t> values, const FrameFormat& format,
              const LineTiming& timing, std::uint64_t sampleRate, CsvDialect dialect) {
    const bool french = dialect == CsvDialect::French;
    const char separator = french ? ';' : ',';
    out << "temps (s)" << separator << "tension (V)" << separator << "TxD\n";
    const auto volts = [&](double value) { return french ? frenchNumber(value) : shortestNumber(value); };
    // Both levels' column text is the same on every sample: made once.
    const std::string markRest = separator + volts(format.levels.markVolts()) + separator + "1\n";
    const std::string spaceRest = separator + volts(format.levels.spaceVolts()) + separator + "0\n";
    SampleWriter samples(out, sampleRate, dialect);
    forEachLevelRun(values, format, timing, [&](std::uint64_t start, std::uint64_t end, bool mark) {
        const std::uint64_t last = firstSampleAt(end, sampleRate, format.bitRate);
        for (std::uint64_t n = firstSampleAt(start, sampleRate, format.bitRate); n < last; ++n)
            samples.write(n, mark ? markRest : spaceRest);
    });
}

} // namespace quarnel::frame
