#pragma once

// Where the program's pictures and icon are found in Qt's resource system. Linking the
// quarnel_resources library is enough to make them available.
namespace quarnel::resources {

extern const char* const framePicture;    // the frame diagram, 616 x 166
extern const char* const voltagesPicture; // the text on line voltages, 648 x 90
extern const char* const helpPicture;     // the help window's picture, 400 x 600
extern const char* const applicationIcon; // 50 x 50, transparent outside the dial

} // namespace quarnel::resources
