#include "platform/KeyCodes.h"
#include "session/KeyboardGuide.h"
#include "session/KeypadGuide.h"
#include "session/SessionHost.h"
#include "session/TypingSession.h"
#include "TestClock.h"

#include <QTest>

using namespace clavora;
using namespace clavora::session;
using namespace Qt::StringLiterals;

namespace {

// Plays the main window around the guides: runs the session's state actions, starts and stops the
// guides' demonstrations as the window does, and fires the demonstration timer (ids 8 and 9) each
// time the test clock has moved on by its period.
class GuideHost final : public SessionHost
{
public:
    explicit GuideHost(test::TestClock& clock) : m_clock(clock) {}

    TypingSession* session = nullptr;
    KeyboardGuide* keyboard = nullptr;
    KeypadGuide* keypad = nullptr;
    int state = Idle;
    int kind = Kind::None;
    int coursePosition = 1;
    QString introducedKeys;
    session::Options options{false, false, false, true};

    int State() const override { return state; }
    int Kind() const override { return kind; }
    void SetState(int newState, int newKind) override
    {
        if (state == Typing)
            session->LeaveTyping();
        if (newKind != Kind::Keep)
            kind = newKind;
        state = newState;
        if (newState == Typing)
            session->EnterTyping(kind);
    }
    void StartTimer(Timer, int) override {}
    void StopTimer(Timer) override {}
    bool IsDictationViewShown() const override { return false; }
    void Repaint(Panels) override {}
    void StopGuideDemonstration() override
    {
        keyboard->Demonstration().Stop();
        keypad->Demonstration().Stop();
        m_armedAt.reset();
    }
    void StartGuideDemonstration(Guide guide, const QString& keys) override
    {
        m_running = &DemonstrationOf(guide);
        if (m_running->Start(keys))
            m_armedAt = m_clock.TickMs();
    }
    int CoursePosition() const override { return coursePosition; }
    QString IntroducedKeys() const override { return introducedKeys; }
    void ShowFinishedNotice() override {}
    void OnTypingError(QChar, const QString&, qint64, bool) override {}
    session::Options Options() const override { return options; }

    // Lets time pass, stepping the running demonstration whenever its timer comes due.
    void Advance(qint64 ms)
    {
        const qint64 until = m_clock.TickMs() + ms;
        while (m_armedAt && *m_armedAt + GuideDemonstration::StepMs <= until) {
            m_clock.Advance(*m_armedAt + GuideDemonstration::StepMs - m_clock.TickMs());
            m_armedAt.reset();
            if (m_running->Step(state, kind))
                m_armedAt = m_clock.TickMs();
        }
        m_clock.Advance(until - m_clock.TickMs());
    }
    bool IsTimerArmed() const { return m_armedAt.has_value(); }

private:
    GuideDemonstration& DemonstrationOf(Guide guide)
    {
        return guide == Guide::Keypad ? keypad->Demonstration() : keyboard->Demonstration();
    }

    test::TestClock& m_clock;
    GuideDemonstration* m_running = nullptr;
    std::optional<qint64> m_armedAt;
};

// The first highlight a scene shows, as "picture@x,y", or "none".
QString FirstHighlight(const GuideScene& scene)
{
    if (scene.Drawings().size() < 3)
        return u"none"_s;
    const GuideDrawing& highlight = scene.Drawings().at(1);
    return u"%1@%2,%3"_s.arg(highlight.picture).arg(highlight.position.x()).arg(highlight.position.y());
}

} // namespace

class GuideDemonstrationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void overviewLesson_stepsThroughNewKeysOncePerSecond();
    void firstKey_stopsDemonstrationAndShowsNextCharacter();
    void keypadLesson_demonstratesOnKeypadGuide();
    void pause_endsDemonstrationAtNextStep_data();
    void pause_endsDemonstrationAtNextStep();
    void demonstration_showsEvenWhileDisabled();
    void start_refusesEmptyAndCutsLongStrings();

private:
    void StartLesson(int kind, const QString& text, const QString& introducedKeys);

    std::unique_ptr<test::TestClock> m_clock;
    std::unique_ptr<GuideHost> m_host;
    std::unique_ptr<TypingSession> m_session;
    std::unique_ptr<KeyboardGuide> m_keyboard;
    std::unique_ptr<KeypadGuide> m_keypad;
};

void GuideDemonstrationTest::init()
{
    m_clock = std::make_unique<test::TestClock>();
    m_host = std::make_unique<GuideHost>(*m_clock);
    m_session = std::make_unique<TypingSession>(*m_host, *m_clock);
    m_keyboard = std::make_unique<KeyboardGuide>(m_session->Typed());
    m_keypad = std::make_unique<KeypadGuide>(m_session->Typed());
    m_host->session = m_session.get();
    m_host->keyboard = m_keyboard.get();
    m_host->keypad = m_keypad.get();
}

void GuideDemonstrationTest::cleanup()
{
    m_keypad.reset();
    m_keyboard.reset();
    m_session.reset();
    m_host.reset();
    m_clock.reset();
}

void GuideDemonstrationTest::StartLesson(int kind, const QString& text, const QString& introducedKeys)
{
    m_host->introducedKeys = introducedKeys;
    m_session->LoadText(text, 1001);
    m_host->SetState(Typing, kind);
}

void GuideDemonstrationTest::overviewLesson_stepsThroughNewKeysOncePerSecond()
{
    StartLesson(Kind::Lesson, u"jjj fff"_s, u"fjA"_s);
    QVERIFY(m_keyboard->Demonstration().IsOn());

    // f, j, A (with its Shift) and round again, a step per second; nothing in between.
    const QStringList expected{u"463@174,78"_s, u"463@274,78"_s, u"463@73,78"_s, u"463@174,78"_s};
    for (qsizetype step = 0; step < expected.size(); ++step) {
        const GuideScene scene = m_keyboard->Scene(514, true);
        QCOMPARE(FirstHighlight(scene), expected.at(step));
        QCOMPARE(scene.Drawings().last().picture, int(GuidePicture::KeyboardOverlayEnabled));
        m_host->Advance(999);
        QCOMPARE(FirstHighlight(m_keyboard->Scene(514, true)), expected.at(step));
        m_host->Advance(1);
    }
    // A shows its right Shift and no resting hand.
    m_host->Advance(1000);
    const GuideScene capital = m_keyboard->Scene(514, true);
    QCOMPARE(capital.Drawings().size(), 6);
    QCOMPARE(capital.Drawings().at(3).picture, 466);
}

void GuideDemonstrationTest::firstKey_stopsDemonstrationAndShowsNextCharacter()
{
    StartLesson(Kind::Lesson, u"jf"_s, u"fj"_s);
    m_host->Advance(1000);
    QCOMPARE(FirstHighlight(m_keyboard->Scene(514, true)), u"463@274,78"_s);

    QVERIFY(m_session->HandleTypingKey(u'J', u"j"_s));
    QVERIFY(!m_keyboard->Demonstration().IsOn());
    QVERIFY(!m_host->IsTimerArmed());
    // Now the exercise leads: "f" is next.
    QCOMPARE(FirstHighlight(m_keyboard->Scene(514, true)), u"463@174,78"_s);
    m_host->Advance(5000);
    QCOMPARE(FirstHighlight(m_keyboard->Scene(514, true)), u"463@174,78"_s);
}

void GuideDemonstrationTest::keypadLesson_demonstratesOnKeypadGuide()
{
    StartLesson(Kind::KeypadLesson, u"456"_s, u"0123456789/*-+"_s);
    QVERIFY(m_keypad->Demonstration().IsOn());
    QVERIFY(!m_keyboard->Demonstration().IsOn());
    QCOMPARE(FirstHighlight(m_keypad->Scene(143, true)), u"469@7,150"_s);
    m_host->Advance(13000);
    QCOMPARE(m_keypad->Demonstration().Current(), QChar(u'+'));
    QCOMPARE(FirstHighlight(m_keypad->Scene(143, true)), u"470@108,41"_s);
    m_host->Advance(1000);
    QCOMPARE(m_keypad->Demonstration().Index(), 0);
}

void GuideDemonstrationTest::pause_endsDemonstrationAtNextStep_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("kind");
    QTest::addRow("paused") << int(Paused) << int(Kind::Lesson);
    QTest::addRow("results") << int(Results) << int(Kind::Lesson);
    QTest::addRow("idle") << int(Idle) << int(Kind::None);
    QTest::addRow("kind no longer a keyboard lesson") << int(Typing) << int(Kind::KeypadLesson);
    QTest::addRow("practice") << int(Typing) << int(Kind::Practice);
}

void GuideDemonstrationTest::pause_endsDemonstrationAtNextStep()
{
    QFETCH(int, state);
    QFETCH(int, kind);
    StartLesson(Kind::Lesson, u"asdf"_s, u"asdf"_s);
    m_host->state = state;
    m_host->kind = kind;
    m_host->Advance(1000);
    QVERIFY(!m_keyboard->Demonstration().IsOn());
    QVERIFY(!m_host->IsTimerArmed());
    QCOMPARE(m_keyboard->Demonstration().Current(), QChar());
}

void GuideDemonstrationTest::demonstration_showsEvenWhileDisabled()
{
    StartLesson(Kind::Lesson, u"x"_s, u"g"_s);
    const GuideScene scene = m_keyboard->Scene(514, false);
    QCOMPARE(FirstHighlight(scene), u"463@207,78"_s);
    QCOMPARE(scene.Drawings().last().picture, int(GuidePicture::KeyboardOverlayEnabled));
    QVERIFY(!scene.IsEnabled());
}

void GuideDemonstrationTest::start_refusesEmptyAndCutsLongStrings()
{
    GuideDemonstration demonstration(Guide::Keyboard);
    QVERIFY(!demonstration.Start(QString()));
    QVERIFY(!demonstration.IsOn());
    QVERIFY(!demonstration.Step(Typing, Kind::Lesson));
    QCOMPARE(demonstration.Current(), QChar());

    QVERIFY(demonstration.Start(QString(300, u'k') + u"z"_s));
    QCOMPARE(demonstration.Keys().size(), GuideDemonstration::MaxLength);
    for (int step = 0; step < 259; ++step)
        QVERIFY(demonstration.Step(Typing, Kind::Lesson));
    QCOMPARE(demonstration.Index(), 0);

    // A string without a single key on the keyboard shows the plain keyboard, step after step.
    TargetText target;
    const TypedText typed(target);
    KeyboardGuide guide(typed);
    QVERIFY(guide.Demonstration().Start(u"éè"_s));
    QCOMPARE(guide.Scene(514, true).Drawings().size(), 2);
    QVERIFY(guide.Demonstration().Step(Typing, Kind::Lesson));
    QCOMPARE(guide.Scene(514, true).Drawings().size(), 2);
}

QTEST_GUILESS_MAIN(GuideDemonstrationTest)
#include "tst_guidedemonstration.moc"
