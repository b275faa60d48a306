#pragma once

#include <QString>

namespace clavora {

// An exercise the user picked in a selection dialog.
struct ExerciseChoice
{
    QString key;
    QString title;
};

} // namespace clavora
