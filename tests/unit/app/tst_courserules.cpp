#include "app/CourseRules.h"
#include "settings/ValueFormat.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

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
        QTest::addRow("skill test goes to the first lesson") << 0 << false << 0.95f << u"0.9"_s << -1 << 1;
        QTest::addRow("repeat stays") << 6 << true << 0.95f << u"0.9"_s << -1 << 6;
        QTest::addRow("fast user jumps a section") << 6 << false << 0.85f << u"0"_s << -1 << 9;
        QTest::addRow("fast user at 26 stops at 28") << 26 << false << 0.85f << u"0"_s << -1 << 28;
        QTest::addRow("good user leaves out Basics") << 7 << false << 0.75f << u"0"_s << -1 << 9;
        QTest::addRow("good user at Revision") << 8 << false << 0.75f << u"0"_s << -1 << 9;
        QTest::addRow("last level 0.6 stored reads above 0.6")
            << 5 << false << 0.5f << u"0.600000000000000"_s << -1 << 7;
        QTest::addRow("last level 0.59") << 5 << false << 0.5f << u"0.590000000000000"_s << -1 << 6;
        QTest::addRow("slow user one by one") << 10 << false << 0.1f << u"0.1"_s << -1 << 11;
        QTest::addRow("last lesson back to incomplete section") << 28 << false << 0.9f << u"0"_s << 9 << 9;
        QTest::addRow("last lesson all complete") << 28 << false << 0.9f << u"0"_s << -1 << 28;
        QTest::addRow("last lesson slow user ends course") << 28 << false << 0.1f << u"0"_s << -1 << 29;
        QTest::addRow("skill floor is 0.1") << 3 << false << 0.0f << u"0"_s << -1 << 4;
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
};

QTEST_GUILESS_MAIN(CourseRulesTest)
#include "tst_courserules.moc"
