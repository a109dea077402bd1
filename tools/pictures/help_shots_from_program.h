#pragma once

#include "help_shots_standin.h"

namespace quarnel::pictures {

// The help picture's shots taken from the program's own main window: its letter list dropped
// down over the chart, and its "Envoyer" button. The caption buttons above the button belong
// to the desktop, not to the program, so they are drawn. Needs a running QApplication.
HelpShots programHelpShots();

} // namespace quarnel::pictures
