#include "FakeSessionHost.h"
#include "KeyInput.h"
#include "platform/KeyCodes.h"
#include "session/TypingSession.h"
#include "TestClock.h"

#include <QTest>

using namespace clavora;
using namespace clavora::session;
using namespace Qt::StringLiterals;

class TypingSessionTest : public QObject
{
    Q_OBJECT

    test::TestClock m_clock;
    std::unique_ptr<test::FakeSessionHost> m_host;
    std::unique_ptr<TypingSession> m_session;

    void Begin(int kind, const QString& text, quint32 key = 1001)
    {
        m_host->SetState(Preparing, kind);
        m_session->LoadText(text, key);
        m_host->SetState(Typing, Kind::Keep);
    }

    void Type(const QString& keys, qint64 msPerKey = 0)
    {
        for (const QChar key : keys) {
            QVERIFY(m_session->HandleTypingKey(test::VirtualKeyOf(key), test::LayoutTextOf(key)));
            m_clock.Advance(msPerKey);
        }
    }

    // "characters/errors/corrections/ms" of the exercise's result.
    QString Counters() const
    {
        const ExerciseResult& result = m_session->Result();
        return u"%1/%2/%3/%4"_s.arg(result.characters)
            .arg(result.errors)
            .arg(result.corrections)
            .arg(result.durationMs);
    }

private slots:
    void init()
    {
        m_clock = test::TestClock();
        m_host = std::make_unique<test::FakeSessionHost>();
        m_session = std::make_unique<TypingSession>(*m_host, m_clock);
        m_host->session = m_session.get();
    }

    void firstKey_startsClockAndTiming_data()
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

    void firstKey_startsClockAndTiming()
    {
        QFETCH(int, kind);
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
        QTEST(m_host->timers.value(Timer::Limit, -1), "limitMs");
        QCOMPARE(m_host->demonstrationStops, 1);

        m_clock.Advance(1500);
        Type(u"Abc"_s);
        QCOMPARE(m_host->state, int(Completed));
        QCOMPARE(m_session->Result().durationMs, 1500u);
        QVERIFY(!m_host->timers.contains(Timer::Clock));
        QVERIFY(!m_host->timers.contains(Timer::Limit));
    }

    void keys_notTakenOutsideTyping()
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

    void lastCharacter_completesAndHandsOverCounters()
    {
        Begin(Kind::Lesson, u"ab\r\ncd"_s, 1003);
        Type(u"ab c\bxd"_s, 100);
        // "x" was wrong but without forced corrections the text ends at its length; the time runs
        // from the first key to the last.
        QCOMPARE(m_host->state, int(Completed));
        QCOMPARE(m_host->noticesShown, 1);
        QCOMPARE(Counters(), u"6/1/1/600"_s);
        QCOMPARE(m_session->Result().exerciseKey, 1003u);
        QCOMPARE(m_session->Target().Length(), 0);
        QCOMPARE(m_session->Typed().Position(), 0);

        m_session->OnFinishedNoticeClosed();
        QCOMPARE(m_host->state, int(Results));
        m_session->OnFinishedNoticeClosed(); // a second close changes nothing
        QCOMPARE(m_host->states.count(int(Results)), 1);
    }

    void wrongKey_reportsExpectedCharacterAndWord()
    {
        m_host->options.playErrorSounds = true;
        m_clock.SetEpochSeconds(1800000000);
        Begin(Kind::Lesson, u"the quick fox"_s);
        Type(u"the qx"_s, 1000);
        QCOMPARE(m_host->errors.size(), 1);
        const test::ErrorReport& report = m_host->errors.first();
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

    void speedTest_endsAtLimit()
    {
        m_host->speedTestSeconds = 0; // a stored 0 means one minute
        const QString text = u"type this "_s.repeated(40);
        Begin(Kind::SpeedTest, text);
        QCOMPARE(m_session->VisibleClock().Text(), u"01:00"_s);

        // 300 keys over the minute, three of them wrong.
        for (int i = 0; i < 300; ++i) {
            const QChar key = i == 10 || i == 100 || i == 200 ? QChar(u'#') : text.at(i);
            m_session->HandleTypingKey(test::VirtualKeyOf(key), QString(key));
            m_clock.Advance(200);
        }
        QCOMPARE(m_host->timers.value(Timer::Limit), 60000);
        m_session->OnClockTimer();
        QCOMPARE(m_session->VisibleClock().Text(), u"00:00"_s);
        m_session->OnLimitTimer();
        QCOMPARE(m_host->state, int(Completed));
        QCOMPARE(Counters(), u"300/3/0/60000"_s);
    }

    void pause_addsNothingToDurationOrClock()
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

    void countdownResume_restartsLimitWithRemainingTime()
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

    void stop_zeroesCounters()
    {
        Begin(Kind::Lesson, u"abcdef"_s, 1002);
        Type(u"a\bbx"_s, 1000);
        m_session->Stop();
        m_host->SetState(Results, Kind::Keep);
        QCOMPARE(Counters(), u"0/0/0/0"_s);
        QCOMPARE(m_session->Result().AccuracyPercent(), 0.0);
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

    void leavingPreparing_setsUpClock_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("speedTestSeconds");
        QTest::addColumn<bool>("countdown");
        QTest::addColumn<QString>("text");
        QTest::addRow("skill test") << int(Kind::SkillTest) << 600 << true << u"00:30"_s;
        QTest::addRow("speed test") << int(Kind::SpeedTestAlt) << 300 << true << u"05:00"_s;
        QTest::addRow("just under an hour") << int(Kind::SpeedTest) << 3599 << true << u"59:59"_s;
        QTest::addRow("stored zero: a minute") << int(Kind::SpeedTest) << 0 << true << u"01:00"_s;
        QTest::addRow("hour-long speed test") << int(Kind::CustomSpeedTest) << 3600 << true << u" 1:00:00"_s;
        QTest::addRow("lesson") << int(Kind::Lesson) << 300 << false << u" 0:00:00"_s;
        QTest::addRow("keypad lesson") << int(Kind::KeypadLesson) << 300 << false << u" 0:00:00"_s;
    }

    void leavingPreparing_setsUpClock()
    {
        QFETCH(int, kind);
        QFETCH(int, speedTestSeconds);
        m_host->speedTestSeconds = speedTestSeconds;
        Begin(kind, u"text"_s);
        QTEST(m_session->VisibleClock().IsCountdown(), "countdown");
        QTEST(m_session->VisibleClock().Text(), "text");
    }

    void lessonDemonstration_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("animations");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("shown");
        QTest::addRow("overview lesson") << int(Kind::Lesson) << 5 << true << u"gh"_s << true;
        QTest::addRow("first lesson") << int(Kind::Lesson) << 1 << true << u"asdf"_s << true;
        QTest::addRow("keypad overview") << int(Kind::KeypadLesson) << 25 << true << u"456"_s << true;
        QTest::addRow("not an overview") << int(Kind::Lesson) << 6 << true << u"gh"_s << false;
        QTest::addRow("skill test position") << int(Kind::Lesson) << 0 << true << u"gh"_s << false;
        QTest::addRow("animations off") << int(Kind::Lesson) << 5 << false << u"gh"_s << false;
        QTest::addRow("no new keys") << int(Kind::Lesson) << 5 << true << QString() << false;
        QTest::addRow("practice") << int(Kind::Practice) << 5 << true << u"gh"_s << false;
    }

    void lessonDemonstration()
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
};

QTEST_GUILESS_MAIN(TypingSessionTest)
#include "tst_typingsession.moc"
