#include "app/CourseRules.h"
#include "app/CourseTable.h"
#include "app/ResultNotes.h"
#include "settings/ValueFormat.h"

#include <QTest>

using namespace clavora;

class CourseRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void nextEntry_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<float>("skill");
        QTest::addColumn<QString>("lastStored");
        QTest::addColumn<int>("incomplete");
        QTest::addColumn<int>("next");
        QTest::addRow("skill test goes to the first lesson") << 0 << false << 0.95f << "0.9" << -1 << 1;
        QTest::addRow("repeat stays") << 6 << true << 0.95f << "0.9" << -1 << 6;
        QTest::addRow("fast user jumps a section") << 6 << false << 0.85f << "0" << -1 << 9;
        QTest::addRow("fast user at 26 stops at 28") << 26 << false << 0.85f << "0" << -1 << 28;
        QTest::addRow("good user leaves out Basics") << 7 << false << 0.75f << "0" << -1 << 9;
        QTest::addRow("good user at Revision") << 8 << false << 0.75f << "0" << -1 << 9;
        QTest::addRow("last level 0.6 stored reads above 0.6")
            << 5 << false << 0.5f << "0.600000000000000" << -1 << 7;
        QTest::addRow("last level 0.59") << 5 << false << 0.5f << "0.590000000000000" << -1 << 6;
        QTest::addRow("slow user one by one") << 10 << false << 0.1f << "0.1" << -1 << 11;
        QTest::addRow("last lesson back to incomplete section") << 28 << false << 0.9f << "0" << 9 << 9;
        QTest::addRow("last lesson all complete") << 28 << false << 0.9f << "0" << -1 << 28;
        QTest::addRow("last lesson slow user ends course") << 28 << false << 0.1f << "0" << -1 << 29;
        QTest::addRow("skill floor is 0.1") << 3 << false << 0.0f << "0" << -1 << 4;
    }

    void nextEntry()
    {
        QFETCH(int, current);
        QFETCH(bool, repeat);
        QFETCH(float, skill);
        QFETCH(QString, lastStored);
        QFETCH(int, incomplete);
        QFETCH(int, next);
        CourseRules::NextEntryInputs in;
        in.current = current;
        in.repeatFlag = repeat;
        in.skillLevel = skill;
        in.lastSkillLevel = float(ValueFormat::ParseReal(lastStored));
        in.firstIncompleteSection = [incomplete] { return incomplete; };
        QCOMPARE(CourseRules::NextCourseEntry(in), next);
    }

    void skillLevel_data()
    {
        QTest::addColumn<uint>("characters");
        QTest::addColumn<uint>("errors");
        QTest::addColumn<uint>("ms");
        QTest::addColumn<double>("expected");
        QTest::addRow("100 wpm perfect") << 500u << 0u << 60000u << 1.0;
        QTest::addRow("50 wpm perfect") << 250u << 0u << 60000u << 0.5;
        QTest::addRow("fast with errors") << 1000u << 100u << 60000u << 0.9;
        QTest::addRow("zero time") << 10u << 0u << 0u << 0.0;
        QTest::addRow("nothing typed") << 0u << 0u << 60000u << 0.0;
        QTest::addRow("more errors than characters") << 10u << 20u << 60000u << 0.0;
    }

    void skillLevel()
    {
        QFETCH(uint, characters);
        QFETCH(uint, errors);
        QFETCH(uint, ms);
        QFETCH(double, expected);
        QVERIFY(qAbs(CourseRules::SkillLevelOf(characters, errors, ms) - expected) < 1e-9);
    }

    void table_hasSectionsAndKinds()
    {
        QCOMPARE(int(CourseTable::Entries().size()), 30);
        QCOMPARE(CourseTable::TitleOf(0), QStringLiteral("Initial Skill Test"));
        QCOMPARE(CourseTable::At(25).kind, 3);
        QCOMPARE(CourseTable::At(29).kind, 9);
        QCOMPARE(CourseTable::FindLessonEntry(QStringLiteral("1013")), 13);
        QCOMPARE(CourseTable::FindLessonEntry(QStringLiteral("999")), -1);
        QCOMPARE(CourseTable::At(99).Key(), QStringLiteral("000"));
    }

    void resultNotes_data()
    {
        QTest::addColumn<double>("netWpm");
        QTest::addColumn<double>("latest");
        QTest::addColumn<double>("best");
        QTest::addColumn<QString>("comparison");
        QTest::addRow("never typed") << 20.0 << 0.0 << 0.0 << "";
        QTest::addRow("faster and slower")
            << 30.4 << 22.0 << 33.0 << "+8 WPM on your latest, -3 WPM on your best";
        QTest::addRow("rounds to the same")
            << 25.2 << 25.0 << 25.4 << "the same as your latest, the same as your best";
    }

    void resultNotes()
    {
        QFETCH(double, netWpm);
        QFETCH(double, latest);
        QFETCH(double, best);
        QFETCH(QString, comparison);
        QCOMPARE(ResultNotes::Comparison(netWpm, LessonFigures{latest, best, AwardLevel::None}), comparison);
        QCOMPARE(ResultNotes::Comparison(netWpm, std::nullopt), QString());
    }

    void courseMove_explainsOnlySkips()
    {
        QCOMPARE(ResultNotes::CourseMove(5, 6), QString());
        QCOMPARE(ResultNotes::CourseMove(CourseTable::SkillTestEntry, CourseTable::FirstLessonEntry),
                 QString());
        QCOMPARE(ResultNotes::CourseMove(28, 25), QString()); // back to an incomplete section
        QCOMPARE(ResultNotes::CourseMove(5, 7),
                 QStringLiteral("Your skill level lets you skip ahead to %1.").arg(CourseTable::TitleOf(7)));
    }
};

QTEST_GUILESS_MAIN(CourseRulesTest)
#include "tst_courserules.moc"
