#include "resource_paths.h"

namespace quarnel::resources {

const char* const framePicture = ":/pictures/frame.rgb32";
const char* const voltagesPicture = ":/pictures/voltages.rgb32";
const char* const helpPicture = ":/pictures/help.png";
const char* const applicationIcon = ":/icons/quarnel.png";

} // namespace quarnel::resources
