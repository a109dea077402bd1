#pragma once

#include "handout.h"

class QIODevice;

namespace quarnel::trame {

// The handout as each kind of file, all drawn by HandoutLayout::render.
void writeSvg(const HandoutContent& content, QIODevice& device);
void writePdf(const HandoutContent& content, QIODevice& device); // A4 pages
void writePng(const HandoutContent& content, QIODevice& device);

} // namespace quarnel::trame
