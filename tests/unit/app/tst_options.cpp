// The options dialog's general page and the user dialogs' rules, and what the main window does
// after them.
#include "app/GeneralOptions.h"
#include "app/MainController.h"
#include "app/OptionsController.h"
#include "app/OptionsView.h"
#include "app/UserManagement.h"
#include "audio/SoundOptions.h"
#include "FakeMainView.h"
#include "platform/KnownFolders.h"
#include "settings/UserProfile.h"
#include "TestClock.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include <optional>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

// Works the dialogs' rules the way a user at the widgets would.
class FakeOptionsView final : public OptionsView
{
public:
    bool RunOptionsDialog(GeneralOptions& general, SoundOptions& sounds) override
    {
        general.showTimers = true;
        sounds.SetPlayErrorSounds(true);
        return general.Apply(general.ReportFolder(), {}).isEmpty() && sounds.Apply();
    }
    bool RunAddUser(UserManagement& users) override { return users.AddUser(newUser, 2).isEmpty(); }
    bool RunRemoveUser(UserManagement& users) override { return users.RemoveUser(removedUser).isEmpty(); }
    void ShowDeviceFallbackNotice(const QString&) override {}

    QString newUser;
    QString removedUser;
};

} // namespace

class OptionsTest final : public QObject
{
    Q_OBJECT

private:
    std::optional<test::TestRegistry> m_reg;
    SettingsStore* m_settings = nullptr;
    std::unique_ptr<UserProfile> m_profile;
    test::TestClock m_clock;

private slots:
    void init()
    {
        m_settings = &m_reg.emplace(u"Bob"_s).settings;
        m_profile = std::make_unique<UserProfile>(*m_settings);
    }
    void cleanup()
    {
        m_profile.reset();
        m_reg.reset();
    }

    void fontSize_buttonsStopAtTheirLimits_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("clicks"); // positive: larger, negative: smaller
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("canEnlarge");
        QTest::addColumn<bool>("canShrink");
        QTest::addRow("27 + 1 reaches the top") << 27 << 1 << 28 << false << true;
        QTest::addRow("top stays the top") << 28 << 3 << 28 << false << true;
        QTest::addRow("18 - 1 reaches the bottom") << 18 << -1 << 17 << true << false;
        QTest::addRow("unset reads 20") << 0 << 0 << 20 << true << true;
        QTest::addRow("edited to 99 shows 28") << 99 << 0 << 28 << false << true;
        QTest::addRow("edited to -5 shows 17") << -5 << 0 << 17 << true << false;
    }
    void fontSize_buttonsStopAtTheirLimits()
    {
        QFETCH(int, stored);
        QFETCH(int, clicks);
        m_profile->Set(Profile::FontSize, stored);
        GeneralOptions options(*m_profile);
        for (int i = 0; i < std::abs(clicks); ++i)
            clicks > 0 ? options.Enlarge() : options.Shrink();
        QTEST(options.FontSize(), "shown");
        QTEST(options.CanEnlarge(), "canEnlarge");
        QTEST(options.CanShrink(), "canShrink");
        QVERIFY(options.Apply(options.ReportFolder(), [] { return true; }).isEmpty());
        QTEST(m_profile->Get(Profile::FontSize), "shown");
    }

    void reportFolder_onOk_isCheckedBeforeItIsStored_data()
    {
        QTest::addColumn<QString>("field"); // relative to the temporary folder unless absolute
        QTest::addColumn<bool>("agree");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("created");
        QTest::addRow("missing, created") << u"new/reports"_s << true << QString() << true;
        QTest::addRow("missing, refused")
            << u"new/reports"_s << false << GeneralOptions::InvalidFolderMessage << false;
        QTest::addRow("under a file")
            << u"file.txt/reports"_s << true << GeneralOptions::CouldNotCreateMessage << false;
        QTest::addRow("a file") << u"file.txt"_s << true << GeneralOptions::NotAFolderMessage << false;
        QTest::addRow("relative") << u"@reports"_s << true << GeneralOptions::InvalidFolderMessage << false;
        QTest::addRow("existing") << u"."_s << false << QString() << false;
    }
    void reportFolder_onOk_isCheckedBeforeItIsStored()
    {
        QFETCH(QString, field);
        QFETCH(bool, agree);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(test::WriteFile(dir.filePath(u"file.txt"_s), {}));
        const QString folder = field.startsWith(u'@') ? field.mid(1) : dir.filePath(field);
        m_profile->Set(Profile::ReportFolder, u"/old/folder"_s);

        GeneralOptions options(*m_profile);
        options.a4Paper = true;
        int questions = 0;
        QCOMPARE(options.Apply(folder, [&] { return ++questions, agree; }), message);
        // The switches are stored whatever becomes of the folder.
        QVERIFY(m_profile->Get(Profile::IsUsingA4Paper));
        QCOMPARE(m_profile->Get(Profile::ReportFolder),
                 message.isEmpty() ? QDir::cleanPath(folder) : u"/old/folder"_s);
        QTEST(QFileInfo(dir.filePath(u"new/reports"_s)).isDir(), "created");
        QCOMPARE(questions, field.startsWith(u"new"_s) || field.startsWith(u"file.txt/"_s) ? 1 : 0);
    }

    // The tutor's own folder is made without a question.
    void reportFolder_emptyField_storesTheDefault()
    {
        GeneralOptions options(*m_profile);
        QVERIFY(options.AcceptReportFolder(u"  "_s, [] { return false; }).isEmpty());
        QCOMPARE(m_profile->Get(Profile::ReportFolder), KnownFolders::ProductDataFolder() + u"/Reports"_s);
        QVERIFY(QFileInfo(m_profile->ReportFolder()).isDir());
    }

    void addUser_refusesWhatCannotBeAUser_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<QString>("message");
        QTest::addRow("same name in other case") << u"bob"_s << true << UserManagement::DuplicateNameMessage;
        QTest::addRow("leading space") << u" Carol"_s << false << QString();
        QTest::addRow("empty") << QString() << false << QString();
        QTest::addRow("control character first") << u"\tCarol"_s << false << QString();
        QTest::addRow("backslash") << u"Carol\\Dan"_s << true << UserManagement::UnusableNameMessage;
        QTest::addRow("new name") << u"Carol"_s << true << QString();
    }
    void addUser_refusesWhatCannotBeAUser()
    {
        QFETCH(QString, name);
        QFETCH(bool, okEnabled);
        QFETCH(QString, message);
        QCOMPARE(UserManagement::CanAcceptName(name), okEnabled);
        if (!okEnabled)
            return;
        UserManagement users(*m_settings);
        QCOMPARE(users.AddUser(name, 3), message);
        QCOMPARE(m_settings->CurrentUserName(), message.isEmpty() ? name : u"Bob"_s);
        QCOMPARE(users.Users().size(), message.isEmpty() ? 2 : 1);
    }

    void removeUser_onlyUserStays()
    {
        UserManagement users(*m_settings);
        QCOMPARE(users.RemovalRefusal(), UserManagement::OnlyUserMessage);
        QCOMPARE(users.RemoveUser(u"Bob"_s), UserManagement::OnlyUserMessage);
        QCOMPARE(users.Users(), QStringList{u"Bob"_s});
    }

    // Through the main window: the current user follows the dialogs' outcome.
    void userCommands_switchTheCurrentUser_data()
    {
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("remaining");
        QTest::addRow("add makes current")
            << u"Carol"_s << QString() << u"Carol"_s << QStringList{u"Bob"_s, u"Ann"_s, u"Carol"_s};
        QTest::addRow("cancelled add keeps current")
            << u"ANN"_s << QString() << u"Ann"_s << QStringList{u"Bob"_s, u"Ann"_s};
        QTest::addRow("current removed: first remaining")
            << QString() << u"Ann"_s << u"Bob"_s << QStringList{u"Bob"_s};
        QTest::addRow("other removed: current stays")
            << QString() << u"Bob"_s << u"Ann"_s << QStringList{u"Ann"_s};
    }
    void userCommands_switchTheCurrentUser()
    {
        QFETCH(QString, added);
        QFETCH(QString, removed);
        QVERIFY(m_settings->CreateUser(u"Ann"_s, 5));
        m_settings->WriteText(u"Settings"_s, u"CLFirstRun"_s, u"0"_s);
        m_settings->WriteText(UserKeyOf(u"Ann"_s), u"ShowTimers"_s, u"1"_s);
        test::FakeMainView window;
        MainController main(*m_settings, m_clock, m_reg->Path());
        main.Initialize(window);
        FakeOptionsView dialogs;
        main.OptionsAndUsers().AttachView(&dialogs);
        dialogs.newUser = added;
        dialogs.removedUser = removed;
        main.OnCommand(added.isEmpty() ? Command::MenuDeleteUser : Command::MenuAddUser);
        QTEST(main.UserName(), "current");
        QTEST(m_settings->UserNames(), "remaining");
        // The display options are the new current user's.
        QCOMPARE(window.timersVisible_, main.UserName() == u"Ann"_s);
    }

    void optionsCommand_refreshesTheWindowUnlessAnExerciseRuns()
    {
        m_settings->WriteText(u"Settings"_s, u"CLFirstRun"_s, u"0"_s);
        test::FakeMainView window;
        MainController main(*m_settings, m_clock, m_reg->Path());
        main.Initialize(window);
        FakeOptionsView dialogs;
        main.OptionsAndUsers().AttachView(&dialogs);
        main.SetState(SessionState::Typing, ExerciseKind::Lesson);
        main.OnCommand(Command::Options);
        QVERIFY(!m_profile->Get(Profile::PlayErrorSounds));
        main.SetState(SessionState::Idle, -1);
        main.OnCommand(Command::MenuOptions);
        QVERIFY(m_profile->Get(Profile::PlayErrorSounds));
        QVERIFY(main.PlayErrorSounds());
        QVERIFY(window.timersVisible_);
    }

private:
    static QString UserKeyOf(const QString& name) { return SettingsStore::UserKey(name); }
};

QTEST_GUILESS_MAIN(OptionsTest)
#include "tst_options.moc"
