#pragma once

#include "trame_options.h"

class QIODevice;

namespace quarnel::trame {

// An exercise sheet as a PDF: the exercises, then their answers on a page of their own.
void writeExerciseSheet(const ExerciseRequest& request, QIODevice& device);

} // namespace quarnel::trame
