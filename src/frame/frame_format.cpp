#include "frame_format.h"

#include "number_text.h"

namespace quarnel::frame {

double LineLevels::markVolts() const {
    switch (kind) {
    case LevelKind::Rs232:
        return -volts;
    case LevelKind::Ttl:
        return volts;
    case LevelKind::TtlInverted:
        return 0.0;
    }
    return 0.0;
}

double LineLevels::spaceVolts() const {
    switch (kind) {
    case LevelKind::Rs232:
        return volts;
    case LevelKind::Ttl:
        return 0.0;
    case LevelKind::TtlInverted:
        return volts;
    }
    return 0.0;
}

std::string frenchNumber(double value) {
    std::string text = shortestNumber(value);
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

namespace {

const char* parityWords(Parity parity) {
    switch (parity) {
    case Parity::None:
        return "sans parité";
    case Parity::Even:
        return "parité paire";
    case Parity::Odd:
        return "parité impaire";
    case Parity::Mark:
        return "parité marque";
    case Parity::Space:
        return "parité espace";
    }
    return "";
}

std::string signedVolts(double value) {
    return (value > 0 ? "+" : "") + frenchNumber(value) + " V";
}

} // namespace

std::string describe(const FrameFormat& format) {
    std::string stop;
    switch (format.stopHalfBits) {
    case 2:
        stop = "1 bit de stop";
        break;
    case 3:
        stop = "1,5 bit de stop";
        break;
    default:
        stop = integerText(format.stopHalfBits / 2) + " bits de stop";
        break;
    }
    return integerText(format.bitRate) + " bit/s, " + integerText(format.dataBits) +
           " bits de données, " + parityWords(format.parity) + ", " + stop;
}

std::string describeLevels(const LineLevels& levels) {
    const char* name = levels.kind == LevelKind::Rs232 ? "RS-232"
                       : levels.kind == LevelKind::Ttl ? "TTL"
                                                       : "TTL inversé";
    return std::string(name) + " : repos et 1 à " + signedVolts(levels.markVolts()) + ", 0 à " +
           signedVolts(levels.spaceVolts());
}

} // namespace quarnel::frame
