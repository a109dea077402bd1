#include "voltage_levels_text.h"

#include "picture_fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <vector>

namespace quarnel::pictures {

namespace {

struct Run {
    QString text;
    bool bold;
};

struct Line {
    int left;
    std::vector<Run> runs;
};

constexpr int linePitch = 21;
constexpr int fontPixels = 16;

const std::vector<Line>& lines() {
    static const std::vector<Line> all = {
        {12,
         {{"Le support est un fil référencé par rapport à la masse (asymétrique). La norme permet",
           false}}},
        {12, {{"d'adapter les signaux logiques (TTL ou CMOS) :", false}}},
        {62,
         {{"-« 1 » logique = 5V", true},
          {" devient une tension comprise entre ", false},
          {"-3V et -25V.", true}}},
        {62,
         {{"-« 0 » logique = 0V", true},
          {" devient une tension comprise entre ", false},
          {"+3V et +25V.", true}}},
    };
    return all;
}

} // namespace

QImage drawVoltageLevelsText() {
    QImage image(648, 90, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);

    // Bold and regular runs share the regular face's baseline.
    int baseline = QFontMetrics(serif(fontPixels)).ascent();
    for (const Line& line : lines()) {
        int x = line.left;
        for (const Run& run : line.runs) {
            p.setFont(serif(fontPixels, run.bold));
            p.drawText(x, baseline, run.text);
            x += p.fontMetrics().horizontalAdvance(run.text);
        }
        baseline += linePitch;
    }
    return image;
}

} // namespace quarnel::pictures
