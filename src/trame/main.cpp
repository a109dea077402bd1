// quarnel-trame: the serial frames of any text, in any format, as a handout or as a file
// that logic-analyser software, spreadsheets and WaveDrom open.
#include "trame_run.h"

int main(int argc, char** argv) {
    return quarnel::trame::run(argc, argv);
}
