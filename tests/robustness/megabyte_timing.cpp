// How long the program takes over a megabyte of hexadecimal digits pasted into the code field
// and sent: the paste, "Envoyer" (conversion, parity, trace), and the repaint of the window
// with both long fields. Prints the median of a few runs; asserts nothing.
// Usage: QT_QPA_PLATFORM=offscreen robustness_megabyte_timing [runs]
#include "application.h"
#include "box_answerer.h"
#include "hex_megabyte.h"
#include "letter_list.h"
#include "program_fixture.h"
#include "user_input.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    quarnel::Application application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const QString code = megabyteOfHexDigits();
    std::vector<double> paste, send, paint;
    for (int run = 0; run < runs; ++run) {
        ProgramWindows windows;
        BoxAnswerer boxes;
        (void)windows.showActive();
        user::typeInto(programme->liste, QStringLiteral("c"));
        QApplication::clipboard()->setText(code);
        user::selectAllIn(programme->resultat); // the code of "c" is replaced

        QElapsedTimer clock;
        clock.start();
        user::press(Qt::Key_V, Qt::ControlModifier);
        paste.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        user::click(programme->Button1);
        send.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        programme->repaint();
        paint.push_back(clock.nsecsElapsed() / 1e6);
        if (programme->binaire->text().size() != 4 * code.size() || !boxes.texts().isEmpty()) {
            std::fprintf(stderr, "the megabyte was not converted whole\n");
            return 1;
        }
    }
    std::printf("megabyte of hexadecimal digits, median of %d runs: paste %.0f ms, "
                "Envoyer %.0f ms, repaint %.0f ms\n",
                runs, median(paste), median(send), median(paint));
    return 0;
}
