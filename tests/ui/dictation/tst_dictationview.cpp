// The dictation view in the main window: the selection dialog's rows, typing while the recording
// plays, and the transcription beside the typing. Set CLAVORA_SCREENSHOTS to a folder to keep
// pictures of each step.
#include "app/DictationController.h"
#include "app/MainController.h"
#include "app/widgets/MainWindow.h"
#include "audio/widgets/DictationSelectDialog.h"
#include "audio/widgets/DictationView.h"
#include "MemoryAudioOut.h"
#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"
#include "TestClock.h"
#include "TestDataFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

void KeepPicture(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("CLAVORA_SCREENSHOTS");
    if (!folder.isEmpty())
        widget->grab().save(folder + u'/' + name + u".png"_s);
}

// Runs `answer` on the next modal window once it is open.
void WhenModalOpens(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, qApp, [answer] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        answer(QApplication::activeModalWidget());
    });
}

} // namespace

class DictationViewTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TestDataFolder> m_data;
    RegistryStore m_registry;
    std::unique_ptr<SettingsStore> m_settings;
    test::TestClock m_clock;
    std::shared_ptr<test::MemoryAudioOut::State> m_output = std::make_shared<test::MemoryAudioOut::State>();
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<MainWindow> m_window;

private slots:
    void initTestCase()
    {
        m_data = std::make_unique<test::TestDataFolder>();
        qputenv("HOME", m_data->Path().toUtf8());
        QVERIFY(m_registry.Open(m_data->Path() + u"/registry.sqlite"_s) == RegistryStore::OpenResult::Opened);
        m_settings = std::make_unique<SettingsStore>(m_registry);
        m_settings->WriteText(u"Settings"_s, u"FirstRun"_s, u"0"_s);
        m_settings->CreateUser(u"Tess"_s, 5);
        // The first dictation is on disk already; the view is about showing it, not fetching it.
        QDir().mkpath(DictationPlayer::BuiltInFolder());
        QVERIFY(QFile::copy(QStringLiteral(CLAVORA_SOURCE_DIR "/data/components/dictationsamples/800.mp3"),
                            DictationPlayer::BuiltInFolder() + u"/800.mp3"_s));
        m_output->holding = true;
        m_controller = std::make_unique<MainController>(*m_settings, m_clock, m_data->Path());
        m_controller->Dictation().Player().SetOutputFactory(
            [this] { return std::make_unique<test::MemoryAudioOut>(m_output); });
        m_window = std::make_unique<MainWindow>(*m_controller);
        m_window->Create();
        m_window->resize(1200, 800);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTRY_VERIFY(m_controller->StartupLoadDone());
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_controller.reset();
    }

    void selectTypeAndCompare()
    {
        QStringList downloaded;
        WhenModalOpens([&downloaded](QWidget* modal) {
            auto* dialog = qobject_cast<DictationSelectDialog*>(modal);
            QVERIFY(dialog);
            for (int row = 0; row < dialog->List()->topLevelItemCount(); ++row)
                downloaded.append(dialog->List()->topLevelItem(row)->text(2));
            KeepPicture(dialog, u"select"_s);
            dialog->accept();
        });
        m_controller->OnCommand(Command::SelectDictation);
        QCOMPARE(downloaded, (QStringList{u"Yes"_s, {}, {}, {}, {}, {}}));

        DictationView* view = m_window->Dictation();
        QVERIFY(view->isVisible());
        QCOMPARE(view->TypingBox()->placeholderText(), u"[Start typing here]"_s);
        m_window->activateWindow(); // the offscreen platform leaves no window active after a dialog
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClicks(view->TypingBox(), u"leftover"_s);
        m_controller->OnCommand(Command::Start);
        QVERIFY(m_controller->Dictation().Player().IsPlaying());
        QVERIFY(view->TypingBox()->hasFocus());
        QTest::keyClicks(view->TypingBox(), u"March 14, 2023 Mr. Douglas Fenwick"_s);
        QCOMPARE(view->TypingBox()->toPlainText(), u"March 14, 2023 Mr. Douglas Fenwick"_s);
        QVERIFY(!view->TranscriptionBox()->isVisible());
        QCOMPARE(view->TypingBox()->geometry(), view->rect());
        KeepPicture(m_window.get(), u"typing"_s);

        // Stop: the question, with its check box; "Compare" puts the transcription beside the typing.
        QString question;
        bool hasCheckBox = false;
        WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            question = box->text();
            hasCheckBox = box->checkBox() && box->checkBox()->text() == u"Don't show this dialog again."_s;
            KeepPicture(box, u"question"_s);
            box->buttons().constFirst()->click();
        });
        m_controller->OnCommand(Command::Stop);
        QCOMPARE(question, DictationView::CompareQuestion);
        QVERIFY(hasCheckBox);
        QVERIFY(view->TranscriptionBox()->isVisible());
        QVERIFY(view->TranscriptionBox()->isReadOnly());
        QVERIFY(view->TranscriptionBox()->toPlainText().startsWith(u"March 14, 2023\nMr. Douglas Fenwick"_s));
        const int half = view->width() / 2;
        QCOMPARE(view->TypingBox()->geometry(), QRect(0, 0, half - 2, view->height()));
        QCOMPARE(view->TranscriptionBox()->geometry(), QRect(half + 2, 0, half - 2, view->height()));
        QCOMPARE(view->TypingBox()->toPlainText(), u"March 14, 2023 Mr. Douglas Fenwick"_s);
        KeepPicture(m_window.get(), u"compare"_s);
    }
};

QTEST_MAIN(DictationViewTest)
#include "tst_dictationview.moc"
