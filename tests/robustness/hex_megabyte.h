#pragma once

#include <QString>

// A megabyte of hexadecimal digits in both cases after `start`, the same on every run.
inline QString megabyteOfHexDigits(const QString& start = {}) {
    static const QString digits = QStringLiteral("0123456789abcdefABCDEF");
    QString text = start;
    text.reserve(1 << 20);
    quint32 state = 12345;
    while (text.size() < (1 << 20)) {
        state = state * 1103515245u + 12345u;
        text += digits[int((state >> 16) % quint32(digits.size()))];
    }
    return text;
}
