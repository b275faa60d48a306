#pragma once

#include "app/ResultsSummary.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace clavora {

class RandomGenerator;

// One next-step button of the course navigation dialog: a command link with its description.
struct CourseButton
{
    int commandId = 0;
    QString label;
    QString description;

    bool operator==(const CourseButton&) const = default;
};

// What decides the next-step buttons once an exercise has ended.
struct ExerciseFinishedInputs
{
    int resultKind = 0;   // the ExerciseKind of the finished exercise
    int currentEntry = 0; // the course entry that was running
    int nextEntry = 0;
    bool buttonsEnabled = true;
    bool repeatSuppressed = false;
    bool repeatFlag = false; // the exercise was stopped
    int lastLessonIndex = 0;
    int gameBreakCountdown = 4; // 0: offer the game break
};

// The buttons, in the order shown; nothing when the dialog is not shown at all (a stopped
// exercise that offers no way on).
std::optional<QList<CourseButton>> ExerciseFinishedButtons(const ExerciseFinishedInputs& in);

// The game break is offered with these buttons (countdown at 0).
bool OffersGameBreak(const ExerciseFinishedInputs& in);

// The six posture and practice tips the dialog shows one of.
const QStringList& ExerciseTips();
// One tip, each with the same chance.
QString ChooseTip(RandomGenerator& random);

// Everything the course navigation dialog shows, top to bottom.
struct ExerciseFinishedContent
{
    ResultsSummary summary;
    QList<CourseButton> buttons;
    QString tip;
};

} // namespace clavora
