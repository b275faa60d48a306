#include "DesktopSession.h"
#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace clavora;
using clavora::test::DesktopSession;

namespace {

// A learner who has finished the first start and stands on the first lesson.
void SeedLearner(const QString& dataFolder, bool correctionsForced)
{
    QDir().mkpath(dataFolder);
    RegistryStore registry;
    QVERIFY(registry.Open(dataFolder + QStringLiteral("/registry.sqlite")) ==
            RegistryStore::OpenResult::Opened);
    SettingsStore settings(registry);
    QVERIFY(settings.CreateUser(QStringLiteral("Tester"), 5));
    settings.WriteUserInt(QStringLiteral("CurrExerciseEntry"), 1);
    settings.WriteUserFlag(QStringLiteral("CorrectionsForced"), correctionsForced);
    settings.WriteUserFlag(QStringLiteral("DisplayAnimations"), false);
    settings.WriteFlag(QStringLiteral("Settings"), QStringLiteral("CLFirstRun"), false);
}

// The lesson text with each CR LF line end as one line feed, where the test presses Return.
QString TypedForm(int resource)
{
    QFile file(QStringLiteral(CLAVORA_SOURCE_DIR "/resources/texts/%1.txt").arg(resource));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QStringList RecordFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files);
}

} // namespace

class TypingEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeLesson_atTwentyKeysPerSecond_withForcedCorrections()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        SeedLearner(desktop.DataFolder(), true);
        desktop.Start(DesktopSession::Program);
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("F9")}));
        QTest::qWait(500);
        // A wrong first key blocks everything but Backspace: the refused keys must not count.
        QVERIFY(desktop.Keys({QStringLiteral("x"), QStringLiteral("q"), QStringLiteral("BackSpace")}));
        const QString text = TypedForm(1001);
        QVERIFY(!text.isEmpty());
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY(desktop.TypeText(lines[i], 50));
            if (i + 1 < lines.size())
                QVERIFY(desktop.Keys({QStringLiteral("Return")}));
        }
        // A lost or reordered key would leave the lesson unfinished and the notice would not come.
        QVERIFY(!desktop.FocusWindow(QStringLiteral("Finished"), 10000).isEmpty());
        const QStringList problems = RecordFiles(desktop.DataFolder() + QStringLiteral("/ProblemChars"));
        QCOMPARE(problems.size(), 1);
    }

    void deadKey_composesOneCharacter()
    {
        DesktopSession desktop;
        if (!desktop.IsReady())
            QSKIP("Xvfb and xdotool are needed");
        QProcess layout;
        layout.setProcessEnvironment(desktop.Environment());
        layout.start(QStringLiteral("setxkbmap"),
                     {QStringLiteral("us"), QStringLiteral("-variant"), QStringLiteral("intl")});
        if (!layout.waitForFinished(10000) || layout.exitCode() != 0)
            QSKIP("setxkbmap with the international layout is needed");
        SeedLearner(desktop.DataFolder(), false);
        desktop.Start(DesktopSession::Program);
        QVERIFY(!desktop.FocusWindow(DesktopSession::MainTitle).isEmpty());
        QVERIFY(desktop.Keys({QStringLiteral("F9")}));
        QTest::qWait(500);
        // The dead acute alone types nothing; with "e" it makes one character, "é", which is
        // wrong against the first target character "a". Without composing, the two keys would
        // be two wrong characters.
        QVERIFY(desktop.Keys({QStringLiteral("dead_acute"), QStringLiteral("e"), QStringLiteral("BackSpace"),
                              QStringLiteral("a"), QStringLiteral("s")},
                             150));
        QTest::qWait(500);
        const QString folder = desktop.DataFolder() + QStringLiteral("/ProblemChars");
        const QStringList problems = RecordFiles(folder);
        QCOMPARE(problems.size(), 1);
        QFile record(folder + u'/' + problems.first());
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QByteArray content = record.readAll();
        QVERIFY2(content.contains("Char=a"), content.constData());
    }
};

QTEST_GUILESS_MAIN(TypingEndToEndTest)
#include "tst_typing_e2e.moc"
