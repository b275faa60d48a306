#include "platform/KeyCodes.h"
#include "session/SessionHost.h"
#include "session/TypingSession.h"
#include "TestClock.h"

#include <QMap>
#include <QTest>

using namespace clavora;
using namespace clavora::session;
using namespace Qt::StringLiterals;

namespace {

struct ErrorReport
{
    QChar expected;
    QString word;
    qint64 epochSeconds = 0;
    bool playSound = false;
};

// Plays the main window: runs the session's enter and leave actions on every state change, keeps
// the running timers and records every call.
class FakeHost final : public SessionHost
{
public:
    TypingSession* session = nullptr;
    int state = Idle;
    int kind = Kind::None;
    int speedTestSeconds = 0;
    session::Options options;
    bool dictationShown = false;
    int coursePosition = 2;
    QString introducedKeys;
    QMap<Timer, int> timers; // running timers and their periods
    QList<ErrorReport> errors;
    QList<int> states;
    int noticesShown = 0;
    int demonstrationStops = 0;
    QList<QPair<Guide, QString>> demonstrations;

    int State() const override { return state; }
    int Kind() const override { return kind; }
    void SetState(int newState, int newKind) override
    {
        if (newState == state && kind != Kind::Dictation && newKind != Kind::Dictation)
            return;
        if (state == Preparing)
            session->LeavePreparing(kind, speedTestSeconds);
        else if (state == Typing)
            session->LeaveTyping();
        if (newKind != Kind::Keep)
            kind = newKind;
        state = newState;
        states.append(newState);
        if (newState == Idle)
            session->EnterIdle();
        else if (newState == Typing)
            session->EnterTyping(kind);
        else if (newState == Completed)
            session->EnterCompleted();
    }
    void StartTimer(Timer timer, int periodMs) override { timers[timer] = periodMs; }
    void StopTimer(Timer timer) override { timers.remove(timer); }
    bool IsDictationViewShown() const override { return dictationShown; }
    void Repaint(Panels) override {}
    void StopGuideDemonstration() override { ++demonstrationStops; }
    void StartGuideDemonstration(Guide guide, const QString& keys) override
    {
        demonstrations.append({guide, keys});
    }
    int CoursePosition() const override { return coursePosition; }
    QString IntroducedKeys() const override { return introducedKeys; }
    void ShowFinishedNotice() override { ++noticesShown; }
    void OnTypingError(QChar expected, const QString& word, qint64 epochSeconds, bool playSound) override
    {
        errors.append({expected, word, epochSeconds, playSound});
    }
    session::Options Options() const override { return options; }
};

int VirtualKeyOf(QChar c)
{
    if (c == u'\b')
        return VkBackspace;
    if (c == u'\r')
        return VkReturn;
    if (c == u' ')
        return VkSpace;
    return c.toUpper().unicode();
}

} // namespace

class TypingSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstKey_startsClockAndTiming_data();
    void firstKey_startsClockAndTiming();
    void keys_notTakenOutsideTyping();
    void lastCharacter_completesAndHandsOverCounters();
    void forcedCorrections_endOnlyWhenLastIsRight();
    void twoUnitKeyOnLastCharacter_stillEnds();
    void wrongKey_reportsExpectedCharacterAndWord();
    void speedTest_endsAtLimitWithFigures();
    void pause_addsNothingToDurationOrClock();
    void countdownResume_restartsLimitWithRemainingTime();
    void stop_zeroesCounters();
    void leavingPreparing_setsUpClock_data();
    void leavingPreparing_setsUpClock();
    void lessonDemonstration_data();
    void lessonDemonstration();
    void emptyText_endsOnFirstKey();

private:
    void Begin(int kind, const QString& text, quint32 key = 1001);
    void Type(const QString& keys, qint64 msPerKey = 0);

    test::TestClock m_clock;
    FakeHost* m_host = nullptr;
    TypingSession* m_session = nullptr;
};

void TypingSessionTest::init()
{
    m_clock = test::TestClock();
    m_host = new FakeHost;
    m_session = new TypingSession(*m_host, m_clock);
    m_host->session = m_session;
}

void TypingSessionTest::cleanup()
{
    delete m_session;
    delete m_host;
}

void TypingSessionTest::Begin(int kind, const QString& text, quint32 key)
{
    m_host->SetState(Preparing, kind);
    m_session->LoadText(text, key);
    m_host->SetState(Typing, Kind::Keep);
}

void TypingSessionTest::Type(const QString& keys, qint64 msPerKey)
{
    for (const QChar key : keys) {
        QVERIFY(m_session->HandleTypingKey(VirtualKeyOf(key), key == u'\b' ? QString() : QString(key)));
        m_clock.Advance(msPerKey);
    }
}

void TypingSessionTest::firstKey_startsClockAndTiming_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("dictationShown");
    QTest::addColumn<int>("limitMs"); // -1: no limit timer
    QTest::addRow("lesson") << int(Kind::Lesson) << false << -1;
    QTest::addRow("practice") << int(Kind::Practice) << false << -1;
    QTest::addRow("skill test") << int(Kind::SkillTest) << false << 30000;
    QTest::addRow("speed test") << int(Kind::SpeedTest) << false << 60000;
    QTest::addRow("custom speed test") << int(Kind::CustomSpeedTest) << false << 60000;
    QTest::addRow("speed test, dictation view shown") << int(Kind::SpeedTest) << true << -1;
}

void TypingSessionTest::firstKey_startsClockAndTiming()
{
    QFETCH(int, kind);
    QFETCH(int, limitMs);
    QFETCH(bool, dictationShown);
    m_host->dictationShown = dictationShown;
    Begin(kind, u"Abc"_s);
    QVERIFY(!m_session->IsStarted());
    QVERIFY(!m_host->timers.contains(Timer::Clock));

    // Shift types nothing but already starts the exercise.
    QVERIFY(m_session->HandleTypingKey(VkShift, QString()));
    QVERIFY(m_session->IsStarted());
    QCOMPARE(m_session->Typed().Position(), 0);
    QCOMPARE(m_host->timers.value(Timer::Clock), 995);
    QCOMPARE(m_host->timers.value(Timer::TypedLine), 500);
    QCOMPARE(m_host->timers.value(Timer::Limit, -1), limitMs);
    QCOMPARE(m_host->demonstrationStops, 1);

    m_clock.Advance(1500);
    Type(u"Abc"_s);
    QCOMPARE(m_host->state, int(Completed));
    QCOMPARE(m_session->Result().durationMs, 1500u);
    QVERIFY(!m_host->timers.contains(Timer::Clock));
    QVERIFY(!m_host->timers.contains(Timer::Limit));
}

void TypingSessionTest::keys_notTakenOutsideTyping()
{
    QVERIFY(!m_session->HandleTypingKey('A', u"a"_s));
    QVERIFY(!m_host->timers.contains(Timer::TypedLine));

    Begin(Kind::Lesson, u"abc"_s);
    m_host->SetState(Paused, Kind::Keep);
    QVERIFY(!m_session->HandleTypingKey('A', u"a"_s));
    QVERIFY(m_host->timers.contains(Timer::TypedLine)); // the strip still refreshes
    QVERIFY(!m_session->IsStarted());
    QCOMPARE(m_session->Typed().Position(), 0);

    m_host->SetState(Typing, Kind::Keep);
    QVERIFY(!m_session->HandleTypingKey(VkEscape, u"\x1b"_s));
    QVERIFY(!m_session->IsStarted());
    QVERIFY(m_session->HandleTypingKey(VkTab, u"\t"_s)); // a generated practice starts with a tab
    QCOMPARE(m_session->Result().errors, 1u);

    m_host->kind = Kind::Dictation;
    m_host->state = Typing;
    QVERIFY(!m_session->HandleTypingKey('A', u"a"_s));
}

void TypingSessionTest::lastCharacter_completesAndHandsOverCounters()
{
    Begin(Kind::Lesson, u"ab\r\ncd"_s, 1003);
    Type(u"ab c\bxd"_s, 100);
    // "x" was wrong but without forced corrections the text ends at its length.
    QCOMPARE(m_host->state, int(Completed));
    QCOMPARE(m_host->noticesShown, 1);
    const ExerciseResult& result = m_session->Result();
    QCOMPARE(result.characters, 6u);
    QCOMPARE(result.errors, 1u);
    QCOMPARE(result.corrections, 1u);
    QCOMPARE(result.exerciseKey, 1003u);
    QCOMPARE(result.durationMs, 600u); // from the first key to the last
    QCOMPARE(m_session->Target().Length(), 0);
    QCOMPARE(m_session->Typed().Position(), 0);

    m_session->OnFinishedNoticeClosed();
    QCOMPARE(m_host->state, int(Results));
    m_session->OnFinishedNoticeClosed(); // a second close changes nothing
    QCOMPARE(m_host->states.count(int(Results)), 1);
}

void TypingSessionTest::forcedCorrections_endOnlyWhenLastIsRight()
{
    m_host->options.correctionsForced = true;
    Begin(Kind::Practice, u"ab"_s);
    Type(u"ax"_s);
    QCOMPARE(m_host->state, int(Typing));
    Type(u"b"_s); // refused: no error, no progress
    QCOMPARE(m_session->Result().errors, 1u);
    QCOMPARE(m_session->Typed().Buffer(), u"ax"_s);
    Type(u"\bb"_s);
    QCOMPARE(m_host->state, int(Completed));
    QCOMPARE(m_session->Result().corrections, 1u);
}

void TypingSessionTest::twoUnitKeyOnLastCharacter_stillEnds()
{
    Begin(Kind::Practice, u"ab"_s);
    Type(u"a"_s);
    QVERIFY(m_session->HandleTypingKey(VkNone, u"b\u00b4"_s));
    QCOMPARE(m_host->state, int(Completed));
    QCOMPARE(m_session->Result().characters, 3u);
}

void TypingSessionTest::wrongKey_reportsExpectedCharacterAndWord()
{
    m_host->options.playErrorSounds = true;
    m_clock.SetEpochSeconds(1800000000);
    Begin(Kind::Lesson, u"the quick fox"_s);
    Type(u"the qx"_s, 1000);
    QCOMPARE(m_host->errors.size(), 1);
    const ErrorReport& report = m_host->errors.first();
    QCOMPARE(report.expected, QChar(u'u'));
    QCOMPARE(report.word, u"quick"_s);
    QCOMPARE(report.playSound, true);
    QCOMPARE(report.epochSeconds, m_clock.EpochSeconds() - 1);

    m_host->options.playErrorSounds = false;
    Type(u"\b"_s);
    m_host->SetState(Paused, Kind::Keep);
    m_host->SetState(Typing, Kind::Keep); // options are read again on resume
    Type(u"uick fix"_s);
    QCOMPARE(m_host->errors.size(), 2);
    QCOMPARE(m_host->errors.last().word, QString()); // "fox" is too short
    QCOMPARE(m_host->errors.last().playSound, false);

    // A mistyped line end expects the line feed.
    m_host->SetState(Idle, Kind::Keep);
    Begin(Kind::Lesson, u"ab\r\ncd"_s);
    Type(u"abx"_s);
    QCOMPARE(m_host->errors.last().expected, QChar(u'\n'));
}

void TypingSessionTest::speedTest_endsAtLimitWithFigures()
{
    m_host->speedTestSeconds = 0; // a stored 0 means one minute
    QString text;
    while (text.size() < 400)
        text += u"type this "_s;
    Begin(Kind::SpeedTest, text);
    QCOMPARE(m_session->VisibleClock().Text(), u"01:00"_s);

    // 300 keys over the minute, three of them wrong.
    for (int i = 0; i < 300; ++i) {
        const bool wrong = i == 10 || i == 100 || i == 200;
        const QChar key = wrong ? QChar(u'#') : text.at(i);
        m_session->HandleTypingKey(VirtualKeyOf(key), QString(key));
        if (i < 299)
            m_clock.Advance(200);
    }
    m_clock.Advance(200);
    QCOMPARE(m_host->timers.value(Timer::Limit), 60000);
    m_session->OnClockTimer();
    QCOMPARE(m_session->VisibleClock().Text(), u"00:00"_s);
    m_session->OnLimitTimer();
    QCOMPARE(m_host->state, int(Completed));

    const ExerciseResult& result = m_session->Result();
    QCOMPARE(result.durationMs, 60000u);
    QCOMPARE(result.characters, 300u);
    QCOMPARE(result.errors, 3u);
    QCOMPARE(result.GrossWpm(), 60.0);
    QCOMPARE(result.NetWpm(), 57.0);
    QCOMPARE(result.Kph(), 18000.0);
    QCOMPARE(result.AccuracyPercent(), 99.0);
}

void TypingSessionTest::pause_addsNothingToDurationOrClock()
{
    Begin(Kind::Lesson, u"abcd"_s);
    Type(u"ab"_s, 1000);
    m_session->OnClockTimer();
    QCOMPARE(m_session->VisibleClock().Seconds(), 2);

    m_host->SetState(Paused, Kind::Keep);
    m_session->MarkPaused();
    QVERIFY(!m_host->timers.contains(Timer::Clock));
    m_clock.Advance(3600 * 1000);
    m_host->SetState(Typing, Kind::Keep);
    QCOMPARE(m_host->timers.value(Timer::Clock), 995);

    Type(u"c"_s, 1000);
    m_session->OnClockTimer();
    QCOMPARE(m_session->VisibleClock().Seconds(), 3);
    Type(u"d"_s);
    QCOMPARE(m_host->state, int(Completed));
    QCOMPARE(m_session->Result().durationMs, 3000u);
    QCOMPARE(m_session->ActiveMs(), 3000);
}

void TypingSessionTest::countdownResume_restartsLimitWithRemainingTime()
{
    m_host->speedTestSeconds = 120;
    Begin(Kind::SpeedTest, u"some text to type"_s);
    Type(u"s"_s, 10000);
    QCOMPARE(m_host->timers.value(Timer::Limit), 120000);
    m_host->SetState(Paused, Kind::Keep);
    QVERIFY(!m_host->timers.contains(Timer::Limit));
    QCOMPARE(m_session->VisibleClock().Text(), u"01:50"_s);
    m_session->OnLimitTimer(); // a late tick while paused changes nothing
    QCOMPARE(m_host->state, int(Paused));
    m_clock.Advance(500000);
    m_host->SetState(Typing, Kind::Keep);
    QCOMPARE(m_host->timers.value(Timer::Limit), 110000);
}

void TypingSessionTest::stop_zeroesCounters()
{
    Begin(Kind::Lesson, u"abcdef"_s, 1002);
    Type(u"abx"_s, 1000);
    m_session->Stop();
    m_host->SetState(Results, Kind::Keep);
    const ExerciseResult& result = m_session->Result();
    QCOMPARE(result.durationMs, 0u);
    QCOMPARE(result.characters, 0u);
    QCOMPARE(result.errors, 0u);
    QCOMPARE(result.corrections, 0u);
    QCOMPARE(result.AccuracyPercent(), 0.0);
    QCOMPARE(result.GrossWpm(), 0.0);
    QVERIFY(!m_session->IsStarted());
    QCOMPARE(m_session->ActiveMs(), 0);
    QCOMPARE(m_session->Target().Length(), 0);
    QVERIFY(m_host->timers.keys() == QList<Timer>{Timer::TypedLine});

    // The next exercise starts afresh.
    m_host->SetState(Idle, Kind::Keep);
    Begin(Kind::Lesson, u"ab"_s);
    QCOMPARE(m_session->Typed().Position(), 0);
    QCOMPARE(m_session->VisibleClock().ShownSeconds(), 0);
}

void TypingSessionTest::leavingPreparing_setsUpClock_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("speedTestSeconds");
    QTest::addColumn<bool>("countdown");
    QTest::addColumn<QString>("text");
    QTest::addRow("skill test") << int(Kind::SkillTest) << 600 << true << "00:30";
    QTest::addRow("speed test") << int(Kind::SpeedTestAlt) << 300 << true << "05:00";
    QTest::addRow("just under an hour") << int(Kind::SpeedTest) << 3599 << true << "59:59";
    QTest::addRow("stored zero: a minute") << int(Kind::SpeedTest) << 0 << true << "01:00";
    QTest::addRow("hour-long speed test") << int(Kind::CustomSpeedTest) << 3600 << true << " 1:00:00";
    QTest::addRow("lesson") << int(Kind::Lesson) << 300 << false << " 0:00:00";
    QTest::addRow("keypad lesson") << int(Kind::KeypadLesson) << 300 << false << " 0:00:00";
}

void TypingSessionTest::leavingPreparing_setsUpClock()
{
    QFETCH(int, kind);
    QFETCH(int, speedTestSeconds);
    m_host->speedTestSeconds = speedTestSeconds;
    Begin(kind, u"text"_s);
    QTEST(m_session->VisibleClock().IsCountdown(), "countdown");
    QTEST(m_session->VisibleClock().Text(), "text");
}

void TypingSessionTest::lessonDemonstration_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("animations");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("shown");
    QTest::addRow("overview lesson") << int(Kind::Lesson) << 5 << true << "gh" << true;
    QTest::addRow("first lesson") << int(Kind::Lesson) << 1 << true << "asdf" << true;
    QTest::addRow("keypad overview") << int(Kind::KeypadLesson) << 25 << true << "456" << true;
    QTest::addRow("not an overview") << int(Kind::Lesson) << 6 << true << "gh" << false;
    QTest::addRow("skill test position") << int(Kind::Lesson) << 0 << true << "gh" << false;
    QTest::addRow("animations off") << int(Kind::Lesson) << 5 << false << "gh" << false;
    QTest::addRow("no new keys") << int(Kind::Lesson) << 5 << true << "" << false;
    QTest::addRow("practice") << int(Kind::Practice) << 5 << true << "gh" << false;
}

void TypingSessionTest::lessonDemonstration()
{
    QFETCH(int, kind);
    QFETCH(bool, shown);
    QFETCH(QString, keys);
    QFETCH(bool, animations);
    QFETCH(int, position);
    m_host->coursePosition = position;
    m_host->options.displayAnimations = animations;
    m_host->introducedKeys = keys;
    Begin(kind, u"text"_s);
    QCOMPARE(m_host->demonstrations.size(), shown ? 1 : 0);
    if (shown) {
        QCOMPARE(m_host->demonstrations.first().first,
                 kind == Kind::KeypadLesson ? Guide::Keypad : Guide::Keyboard);
        QCOMPARE(m_host->demonstrations.first().second, keys);
        // After a pause the demonstration does not start again.
        m_host->SetState(Paused, Kind::Keep);
        m_session->MarkPaused();
        m_host->SetState(Typing, Kind::Keep);
        QCOMPARE(m_host->demonstrations.size(), 1);
    }
}

void TypingSessionTest::emptyText_endsOnFirstKey()
{
    Begin(Kind::Practice, QString());
    Type(u"a"_s);
    QCOMPARE(m_host->state, int(Completed));
    QCOMPARE(m_session->Result().characters, 0u);
    QCOMPARE(m_session->Result().errors, 0u);
}

QTEST_GUILESS_MAIN(TypingSessionTest)
#include "tst_typingsession.moc"
