#pragma once

#include "app/CourseFlow.h"
#include "app/MainController.h"
#include "FakeMainView.h"
#include "KeyInput.h"
#include "progress/ResultsStore.h"
#include "session/TypingSession.h"
#include "settings/UserProfile.h"
#include "TestClock.h"
#include "TestRegistry.h"

#include <memory>
#include <QTest>

namespace clavora::test {

// A main window's logic with a signed-in user, the built-in catalogue loaded and a window that
// answers from a script; exercises are typed key by key on a clock the test moves.
class CourseFixture final
{
    // Declared first, so the settings outlive the controller that uses them.
    TestRegistry m_reg{UserName};
    SettingsStore* m_settings = &m_reg.settings;

public:
    static inline const QString UserName = QStringLiteral("Ann");

    CourseFixture()
    {
        m_settings->WriteText(QStringLiteral("Settings"), QStringLiteral("FirstRun"), QStringLiteral("0"));
        // Finished exercises write their report rows beside the test's registry.
        m_settings->WriteUserText(QStringLiteral("ReportFolder"), m_reg.FilePath(QStringLiteral("Reports")));
        view.onFinishedNotice_ = [this] { controller->OnFinishedNoticeClosed(); };
        controller = std::make_unique<MainController>(*m_settings, clock, m_reg.Path());
        controller->Initialize(view);
        QCoreApplication::processEvents();
        QTRY_VERIFY(controller->StartupLoadDone());
    }

    SettingsStore& Settings() { return *m_settings; }
    UserProfile& Profile() { return controller->Profile(); }
    CourseFlow& Course() { return controller->Course(); }
    ResultsStore Results() { return ResultsStore(*m_settings); }

    // A stored lesson that earns Bronze.
    void StoreBronze(int key)
    {
        Results().SaveExerciseResult({60000, 160, 0, 0, quint32(key), 32.0, 32.0, 9600.0, 100.0},
                                     ExerciseKind::Lesson, 1700000000);
    }
    // A Bronze lesson in every section before the keypad but `missingSection` (-1: none).
    void StoreSections(int missingSection)
    {
        for (int section = 0; section < 6; ++section) {
            if (section != missingSection)
                StoreBronze(1001 + 4 * section);
        }
    }

    // Moves the course to an entry, as a selection or an earlier run would have.
    void SetEntry(int entry)
    {
        Course().SetCurrentEntry(entry);
        Profile().Set(Profile::CurrExerciseEntry, entry);
    }

    // Types the loaded exercise to its end: msPerKey between keys, the first `errors` characters
    // first mistyped and put right with Backspace. Stops early after `keys` characters when set.
    void TypeExercise(int msPerKey, int errors = 0, int keys = -1)
    {
        const QString text = controller->Session().Target().Text();
        int typed = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (keys >= 0 && typed == keys)
                return;
            if (typed < errors) {
                Press(u'#');
                Press(u'\b');
            }
            const QChar c = text.at(i);
            Press(c);
            if (c == u'\r')
                ++i; // Enter types the whole line break
            ++typed;
            clock.Advance(msPerKey);
        }
    }

    // Starts the current course entry and types it.
    void RunCurrentEntry(int msPerKey, int errors = 0)
    {
        controller->OnCommand(Command::CourseStart);
        QCOMPARE(controller->State(), int(SessionState::Typing));
        TypeExercise(msPerKey, errors);
    }

    const ExerciseFinishedContent& LastDialog() const { return view.finishedDialogs_.back(); }

    test::TestClock clock;
    FakeMainView view;
    std::unique_ptr<MainController> controller;

private:
    void Press(QChar c) { controller->HandleTypingKey(VirtualKeyOf(c), LayoutTextOf(c)); }
};

} // namespace clavora::test
