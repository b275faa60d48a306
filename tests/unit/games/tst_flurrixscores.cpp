// The falling-words results in the settings store: the high score and the game's record go in
// together or not at all; the letters follow the highest lesson with a result.
#include "games/FlurrixScores.h"
#include "session/SessionTypes.h"
#include "unit/results/ResultsFixture.h"

#include <QTest>

using namespace clavora;
using namespace clavora::test;
using namespace Qt::StringLiterals;

class TestFlurrixScores final : public QObject
{
    Q_OBJECT

private slots:
    void store_keepsTheBestScore_andAddsARecordPerGame()
    {
        ResultsFixture fixture;
        FlurrixScores scores(fixture.settings);
        QCOMPARE(scores.HighScore(), 0);
        QCOMPARE(scores.Store(1250, 1700000000), 1);
        QCOMPARE(scores.Store(0, 1700000100), 2);
        QCOMPARE(scores.HighScore(), 1250);
        const int kind = session::Kind::Flurrix;
        QCOMPARE(fixture.Value(kind, 1, u"Score"_s), u"1250"_s);
        QCOMPARE(fixture.Value(kind, 2, u"Score"_s), u"0"_s);
        QCOMPARE(fixture.Value(kind, 2, u"Timestamp"_s), u"1700000100"_s);
        QVERIFY(!fixture.Value(kind, 2, u"Date"_s).isEmpty());
    }

    void store_withoutAUser_writesNothing()
    {
        ResultsFixture fixture;
        QVERIFY(fixture.settings.WriteText(SettingsStore::SettingsKey, u"CurrentUser"_s, QString()));
        FlurrixScores scores(fixture.settings);
        QCOMPARE(scores.Store(500, 1700000000), 0);
        QCOMPARE(scores.HighScore(), 0);
        QVERIFY(
            fixture.settings.ReadText(fixture.Folder(session::Kind::Flurrix), FlurrixScores::HighScoreValue)
                .isEmpty());
    }

    void highestLesson_isTheLargestKeyStored()
    {
        ResultsFixture fixture;
        FlurrixScores scores(fixture.settings);
        QCOMPARE(scores.HighestLessonKey(), 0);
        for (const char* key : {"1003", "1009", "1005"})
            QVERIFY(fixture.results.SaveSkipped(QString::fromLatin1(key), session::Kind::Lesson) > 0);
        QCOMPARE(scores.HighestLessonKey(), 1009);
    }
};

QTEST_GUILESS_MAIN(TestFlurrixScores)
#include "tst_flurrixscores.moc"
