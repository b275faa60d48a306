#include "settings/SettingsStore.h"
#include "platform/RegistryStore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;

// Kills a process that creates and resets users at random moments, many times, and checks after
// each kill that the store holds every user either whole or not at all.
class CrashSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    void killedMidWrite_leavesWholeUsers()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.sqlite"));
        const QStringList profileValues = {QStringLiteral("Type"),
                                           QStringLiteral("TakeInitialSkillTest"),
                                           QStringLiteral("IsSkillTestTaken"),
                                           QStringLiteral("CurrExerciseEntry"),
                                           QStringLiteral("CorrectionsForced"),
                                           QStringLiteral("DisplayAnimations"),
                                           QStringLiteral("GoalWPM")};
        int usersChecked = 0;
        for (int round = 0; round < 40; ++round) {
            QProcess child;
            child.start(QStringLiteral(CLAVORA_BINARY_DIR "/tests/registry_crash_child"), {path});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(10000));
            QTest::qWait(QRandomGenerator::global()->bounded(5, 60));
            child.kill();
            child.waitForFinished();

            RegistryStore registry;
            QCOMPARE(registry.Open(path), RegistryStore::OpenResult::Opened);
            SettingsStore settings(registry);
            for (const QString& user : settings.UserNames()) {
                const QString key = SettingsStore::UserKey(user);
                QCOMPARE(settings.ReadText(QStringLiteral("Users"), user), user);
                for (const QString& value : profileValues)
                    QVERIFY2(registry.ReadValue(key, value).has_value(), qPrintable(user + u' ' + value));
                ++usersChecked;
            }
        }
        QVERIFY(usersChecked > 0);
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
