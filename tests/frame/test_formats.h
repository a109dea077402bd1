#pragma once

#include "frame_format.h"

namespace quarnel::frame::testing_formats {

// A format at 19200 bit/s on RS-232 levels, the rest given: the tables' way of naming one.
inline FrameFormat format(int dataBits, Parity parity, int stopHalfBits, BitOrder order = BitOrder::LsbFirst) {
    FrameFormat f;
    f.dataBits = dataBits;
    f.parity = parity;
    f.stopHalfBits = stopHalfBits;
    f.order = order;
    return f;
}

} // namespace quarnel::frame::testing_formats
