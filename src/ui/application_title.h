#pragma once

#include <QString>

namespace quarnel {

// The title of the program's message boxes, from the executable's path: its file name, cut
// before the first full stop, every character but the first in lower case
// ("C:\\x\\RS232.Demo.EXE" gives "Rs232"). Both "/" and "\\" separate folders.
QString applicationTitle(const QString& executablePath);

} // namespace quarnel
