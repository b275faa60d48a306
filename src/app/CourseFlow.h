#pragma once

#include "app/CourseTable.h"

#include <array>
#include <memory>
#include <QString>

namespace clavora {

class ExerciseFinisher;
class MainController;

// Which exercise is loaded into the typing view, what happens when it ends and where the course
// goes next. It runs inside the main window's logic and drives its Preparing and Results states.
class CourseFlow final
{
public:
    // Lessons finished between two offers of a game break.
    static constexpr int LessonsBetweenGameBreaks = 4;

    explicit CourseFlow(MainController& main);
    ~CourseFlow();
    Q_DISABLE_COPY_MOVE(CourseFlow)

    // The selection commands while nothing runs: each asks the user through its dialog and, on
    // OK, prepares the chosen exercise.
    void SelectLesson();
    void SelectPractice();
    void SelectSpeedTest();
    // The Start command while nothing runs, by the selected tab.
    void StartExercise();
    // Course navigation: 5000 start the current entry, 5001 back to the last lesson, 5002 skip.
    void OnCourseCommand(int commandId);
    // Entering Preparing: caption and text of the chosen exercise, then on to Typing.
    void LoadExercise();
    // The Stop command.
    void StopExercise();
    // Entering Results: rate and store the result, then ask where the course goes next.
    void FinishExercise();

    int NextCourseEntry() const;
    int FirstIncompleteSection() const;

    // Reloads the course position from the current user's profile.
    void LoadUserPosition();
    int CurrentEntry() const { return m_entry; }
    void SetCurrentEntry(int entry) { m_entry = entry; }
    const QString& ExerciseKey() const { return m_exerciseKey; }
    void SetExerciseKey(const QString& key) { m_exerciseKey = key; }
    bool RepeatFlag() const { return m_repeat; }
    void ClearRepeatFlag() { m_repeat = false; }
    bool IsKeypadExercise() const { return m_keypad; }
    void SetKeypadExercise(bool keypad);
    int GameBreakCountdown() const { return m_gameBreakCountdown; }
    void SetGameBreakCountdown(int lessons) { m_gameBreakCountdown = lessons; }
    // Whether the current entry was completed in this run of the program.
    bool IsCurrentEntryCompleted() const;
    void MarkCurrentEntryCompleted(bool completed);
    bool IsCourseFinished() const;
    // The lesson running now: its position in the course and the keys it introduces.
    int CoursePositionOfExercise() const;
    QString IntroducedKeysOfExercise() const;

private:
    void StartCourseEntry();
    void StartRandomPractice();
    void StartRandomSpeedTest(int kind);
    void WriteCourseTitles(int next);

    MainController& m_main;
    int m_entry = 1;
    QString m_exerciseKey;
    bool m_repeat = false;
    bool m_keypad = false;
    int m_gameBreakCountdown = LessonsBetweenGameBreaks;
    std::array<bool, CourseTable::EntryCount> m_completedInRun{};
    std::unique_ptr<ExerciseFinisher> m_finisher;
};

} // namespace clavora
