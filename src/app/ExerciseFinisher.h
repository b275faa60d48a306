#pragma once

#include "progress/Award.h"
#include "progress/LessonProgress.h"

#include <optional>
#include <QtGlobal>

namespace clavora {

class CourseFlow;
class MainController;

// The work done when an exercise ends (entering Results): rate and store the result, move the
// user's skill level, show the course navigation dialog, advance the course and take the user's
// bests. The dialog's answer is posted as a command once the exercise has gone back to Idle.
class ExerciseFinisher final
{
public:
    ExerciseFinisher(MainController& main, CourseFlow& course);
    Q_DISABLE_COPY_MOVE(ExerciseFinisher)

    void FinishExercise();

    static const QString CourseEndTitle;
    static const QString CourseEndMessage;

private:
    void UpdateSkillLevel(double skillLevel);
    void CountSkillTest(const ResultFigures& figures, double skillLevel);
    void StoreLesson(const ResultFigures& figures, qint64 now);
    int RunDialog(int kind, const ResultFigures& figures, int nextEntry,
                  const std::optional<LessonFigures>& before);
    void UpdateBests(const ResultFigures& figures);

    MainController& m_main;
    CourseFlow& m_course;
};

} // namespace clavora
