#include "settings/UserProfile.h"
#include "settings/ValueFormat.h"
#include "TestRegistry.h"

#include <optional>
#include <QTest>

using namespace clavora;

class SettingsStoreTest : public QObject
{
    Q_OBJECT

private:
    std::optional<test::TestRegistry> m_reg;
    SettingsStore* m_settings = nullptr;

    void WriteRaw(const QString& name, const QString& value) { m_settings->WriteUserText(name, value); }

private slots:
    void init()
    {
        m_settings = &m_reg.emplace().settings;
        m_settings->SelectUser(QStringLiteral("Alice"));
    }

    void flagRule_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::addRow("zero") << "0" << true << false;
        QTest::addRow("double zero") << "00" << true << false;
        QTest::addRow("one") << "1" << false << true;
        QTest::addRow("no is true") << "no" << false << true;
        QTest::addRow("empty gives default true") << "" << true << true;
        QTest::addRow("empty gives default false") << "" << false << false;
        QTest::addRow("space then zero is true") << " 0" << false << true;
    }

    void flagRule()
    {
        QFETCH(QString, stored);
        QFETCH(bool, defaultValue);
        WriteRaw(QStringLiteral("ShowTimers"), stored);
        QTEST(m_settings->ReadUserFlag(QStringLiteral("ShowTimers"), defaultValue), "expected");
    }

    void integerRule_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::addRow("plain") << "42" << 42;
        QTest::addRow("leading space and sign") << "  -17" << -17;
        QTest::addRow("plus sign") << "+8" << 8;
        QTest::addRow("stops at letter") << "12abc" << 12;
        QTest::addRow("no digits") << "abc" << 0;
        QTest::addRow("real truncates") << "3.9" << 3;
        QTest::addRow("empty gives default") << "" << 99;
        QTest::addRow("overflow clamps") << "99999999999999" << 2147483647;
        QTest::addRow("underflow clamps") << "-99999999999999" << -2147483647 - 1;
    }

    void integerRule()
    {
        QFETCH(QString, stored);
        WriteRaw(QStringLiteral("GoalWPM"), stored);
        QTEST(m_settings->ReadUserInt(QStringLiteral("GoalWPM"), 99), "expected");
    }

    void realRule_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("expected");
        QTest::addRow("padded two decimals") << "   45.20" << 45.2;
        QTest::addRow("fifteen decimals") << "0.123456789012345" << 0.123456789012345;
        QTest::addRow("stops at second point") << "1.5.5" << 1.5;
        QTest::addRow("no exponent") << "2e3" << 2.0;
        QTest::addRow("garbage") << "x" << 0.0;
        QTest::addRow("missing") << "" << 0.0;
        QTest::addRow("negative") << "-3.25" << -3.25;
    }

    void realRule()
    {
        QFETCH(QString, stored);
        QTEST(ValueFormat::ParseReal(stored), "expected");
    }

    void emptyProfile_behavesAsFresh()
    {
        UserProfile profile(*m_settings);
        QCOMPARE(profile.Get(Profile::CorrectionsForced), false);
        QCOMPARE(profile.Get(Profile::CurrExerciseEntry), 0);
        QCOMPARE(profile.FontSize(), 20);
        QCOMPARE(profile.SkillLevel(), 0.1);
        QCOMPARE(profile.SpeedTestSeconds(), 60);
        QCOMPARE(profile.Get(Profile::BestWPM), 0.0);
        QVERIFY(profile.ReportFolder().endsWith(QStringLiteral("/Reports")));
    }

    void resultsValues_liveInResultsKey()
    {
        UserProfile profile(*m_settings);
        profile.Set(Profile::BestWPM, 45.2);
        QCOMPARE(m_settings->ReadText(QStringLiteral("Users\\Alice\\Results"), QStringLiteral("BestWPM")),
                 QStringLiteral("   45.20"));
        profile.Set(Profile::LastExercise, QStringLiteral("Initial Skill Test"));
        QCOMPARE(m_settings->ReadResultsText(QStringLiteral("LastExercise")),
                 QStringLiteral("Initial Skill Test"));
    }

    void resultsSubkey_byKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("key");
        QTest::addRow("skill test") << 1 << "Users\\Alice\\Results\\Tests";
        QTest::addRow("lesson") << 2 << "Users\\Alice\\Results\\Lessons";
        QTest::addRow("practice has none") << 4 << "Users\\Alice\\Results\\";
        QTest::addRow("flurrix") << 10 << "Users\\Alice\\Results\\Flurrix";
    }

    void resultsSubkey_byKind()
    {
        QFETCH(int, kind);
        QTEST(m_settings->KindResultsKey(kind), "key");
    }

    void createUser_writesProfileAndBecomesCurrent()
    {
        QVERIFY(m_settings->CreateUser(QStringLiteral("Bob"), 3));
        QCOMPARE(m_settings->CurrentUserName(), QStringLiteral("Bob"));
        QCOMPARE(m_settings->ReadText(QStringLiteral("Users"), QStringLiteral("Bob")), QStringLiteral("Bob"));
        UserProfile profile(*m_settings);
        QCOMPARE(profile.Get(Profile::Type), 3);
        QVERIFY(profile.Get(Profile::TakeInitialSkillTest));
        QVERIFY(!profile.Get(Profile::IsSkillTestTaken));
        QCOMPARE(m_settings->ReadUserText(QStringLiteral("GoalWPM")), QStringLiteral("0"));
        QCOMPARE(m_settings->ReadUserText(QStringLiteral("CurrExerciseEntry")), QStringLiteral("0"));
    }

    void createUser_refusesNamesAndWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("existing in other case") << "alice";
        QTest::addRow("backslash would nest keys") << "Bob\\Results";
        QTest::addRow("leading space") << " Bob";
        QTest::addRow("control character") << QStringLiteral("Bo\tb");
        QTest::addRow("empty") << "";
        QTest::addRow("over a hundred characters") << QString(101, u'x');
    }

    void createUser_refusesNamesAndWritesNothing()
    {
        QFETCH(QString, name);
        QVERIFY(m_settings->CreateUser(QStringLiteral("Alice"), 5));
        const QStringList before = m_settings->UserNames();
        QVERIFY(!m_settings->CreateUser(name, 2));
        QCOMPARE(m_settings->UserNames(), before);
        QCOMPARE(m_settings->CurrentUserName(), QStringLiteral("Alice"));
        QCOMPARE(m_settings->ReadUserInt(QStringLiteral("Type")), 5);
    }

    void hundredCharacterName_isAccepted() { QVERIFY(m_settings->CreateUser(QString(100, u'n'), 1)); }

    void resetUser_keepsNameTypeAndCurrentUser()
    {
        QVERIFY(m_settings->CreateUser(QStringLiteral("Carol"), 6));
        UserProfile profile(*m_settings);
        profile.Set(Profile::TakeInitialSkillTest, false);
        profile.Set(Profile::GoalWPM, 40);
        m_settings->WriteKindInt(2, QStringLiteral("Count"), 12);
        QVERIFY(m_settings->ResetUser());
        QCOMPARE(m_settings->CurrentUserName(), QStringLiteral("Carol"));
        QCOMPARE(profile.Get(Profile::Type), 6);
        QVERIFY(profile.Get(Profile::TakeInitialSkillTest));
        QCOMPARE(profile.Get(Profile::GoalWPM), 0);
        QCOMPARE(m_settings->ReadKindInt(2, QStringLiteral("Count")), 0);
        QCOMPARE(m_settings->UserNames(), QStringList{QStringLiteral("Carol")});
    }

    void deleteCurrentUser_leavesCurrentUserNamingIt()
    {
        QVERIFY(m_settings->CreateUser(QStringLiteral("Dan"), 5));
        QVERIFY(m_settings->CreateUser(QStringLiteral("Eve"), 5));
        QVERIFY(m_settings->DeleteUser(QStringLiteral("Eve")));
        QCOMPARE(m_settings->CurrentUserName(), QStringLiteral("Eve"));
        QVERIFY(!m_settings->UserExists(QStringLiteral("eve")));
        QVERIFY(m_settings->ReadText(QStringLiteral("Users"), QStringLiteral("Eve")).isEmpty());
        QVERIFY(m_settings->UserExists(QStringLiteral("DAN")));
    }

    // Without a usable current user no profile key is addressed: not "Users" itself, not a
    // user "Results" made of the results path, not a key inside another user's profile.
    void unusableCurrentUser_readsDefaultsAndWritesNothing_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addRow("missing") << QString();
        QTest::addRow("empty") << QStringLiteral("");
        QTest::addRow("nested in a user") << QStringLiteral("Ann\\Results");
    }

    void unusableCurrentUser_readsDefaultsAndWritesNothing()
    {
        QFETCH(QString, current);
        QVERIFY(m_settings->CreateUser(QStringLiteral("Ann"), 4));
        UserProfile profile(*m_settings);
        profile.Set(Profile::GoalWPM, 30);
        if (current.isNull())
            m_settings->DeleteValue(QStringLiteral("Settings"), QStringLiteral("CurrentUser"));
        else
            m_settings->SelectUser(current);

        QCOMPARE(profile.FontSize(), 20);
        QCOMPARE(profile.Get(Profile::Type), 0);
        QVERIFY(!profile.Set(Profile::LastExercise, QStringLiteral("Lesson 1")));
        QVERIFY(!profile.Set(Profile::GoalWPM, 50));
        QVERIFY(!m_settings->WriteKindInt(2, QStringLiteral("Count"), 1));
        QVERIFY(profile.Get(Profile::LastExercise).isEmpty());
        QCOMPARE(m_settings->UserNames(), QStringList{QStringLiteral("Ann")});
        QVERIFY(!m_settings->DeleteUser(current));
        m_settings->SelectUser(QStringLiteral("Ann"));
        QCOMPARE(profile.Get(Profile::GoalWPM), 30);
        QVERIFY(profile.Get(Profile::LastExercise).isEmpty());
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
