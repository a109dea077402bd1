#include "exercise_sheet.h"

namespace quarnel::trame {

void writeExerciseSheet(const ExerciseRequest&, QIODevice&) {}

} // namespace quarnel::trame
