#pragma once

#include "app/CommandIds.h"

#include <QString>

namespace clavora {

class ExerciseCatalogue;

// What the Start command (F9) would begin on the selected tab, told to a user who looks at the
// idle typing view: a heading naming the exercise and a line about it. Empty where Start runs
// nothing in the typing view (the Games and Results tabs).
struct StartHint
{
    QString heading;
    QString description;

    bool IsEmpty() const { return heading.isEmpty(); }
    bool operator==(const StartHint&) const = default;

    // courseEntry is the current course entry; speedTestSeconds the stored length (0 means 60).
    static StartHint For(Tab tab, int courseEntry, const ExerciseCatalogue& catalogue, int speedTestSeconds);
};

} // namespace clavora
