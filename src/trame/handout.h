#pragma once

#include "frame_format.h"
#include "line_timeline.h"
#include "receiver.h"

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace quarnel::trame {

// What a handout shows: the title, the line's cells and one label per frame.
struct HandoutContent {
    QString title;        // "« Bonjour »"
    QString formatLine;   // "19200 bit/s, 8 bits de données, parité paire, 1 bit de stop"
    QString levels;       // "RS-232 : repos et 1 à -5 V, 0 à +5 V"
    frame::FrameFormat format;
    std::vector<frame::PlacedBit> cells;
    QStringList frameLabels; // "« B » 0x42", one per frame
    bool beginAtRight = false;
    // What a receiver read, drawn under the sent frames: none when no receiver was asked for.
    std::optional<frame::ReceiverRate> receiverRate;
    std::vector<frame::ReceivedFrame> received;
    QStringList verdicts; // one per received frame
};

// The frames of a text placed in rows of whole frames, the rows on pages. Every unit is a
// point (1/72 inch); a page is A4 landscape wide, and as tall as its rows for one long page.
class HandoutLayout {
public:
    enum class Pages { A4, OnePage };

    HandoutLayout(HandoutContent content, Pages pages);

    QSizeF pageSize() const { return pageSize_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }

    // Draws one page into a painter whose units are points: the handouts in SVG, PDF and PNG
    // all come from here.
    void render(QPainter& painter, int page) const;

private:
    struct Row {
        std::uint64_t startHalfBits;
        std::uint64_t endHalfBits;
    };

    void renderRow(QPainter& painter, const Row& row, double top) const;
    void renderReceiver(QPainter& painter, const Row& row, double top, double left, double right,
                        const std::function<double(bool)>& levelY) const;
    double rowHeight() const;
    double xAt(const Row& row, double halfBits) const;

    HandoutContent content_;
    std::vector<Row> rows_;
    std::vector<std::vector<int>> pages_; // the rows of each page
    QSizeF pageSize_;
    double pointsPerHalfBit_ = 0;
};

} // namespace quarnel::trame
