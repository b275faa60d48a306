#include "app/GamesController.h"

#include "app/CommandIds.h"
#include "app/CourseFlow.h"
#include "app/CourseNavigation.h"
#include "app/CourseTable.h"
#include "app/GamesView.h"
#include "app/MainController.h"
#include "app/ResultsSummary.h"
#include "audio/SoundEvents.h"
#include "content/ExerciseCatalogue.h"
#include "games/FlurrixField.h"
#include "games/FlurrixScores.h"
#include "games/FlurrixScreen.h"
#include "games/TypingHeroField.h"
#include "games/TypingHeroScreen.h"
#include "games/TypingHeroStore.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/ResourceStore.h"
#include "settings/SettingsStore.h"

namespace clavora {

namespace {

// The sound event of a wrong key.
constexpr int ErrorSoundEvent = -2;

} // namespace

GamesController::GamesController(MainController& main)
    : SubsystemController(main), m_flurrix(std::make_unique<FlurrixScreen>(*this)),
      m_heroStore(std::make_unique<TypingHeroStore>(main.Settings(), main.Time())),
      m_heroField(std::make_unique<TypingHeroField>(main.Time(), *m_heroStore)),
      m_hero(std::make_unique<TypingHeroScreen>(*m_heroField))
{
    m_heroField->SetGameSource([this] { return NextTypingHeroGame(); });
    m_heroField->SetScoreHandOver([this](int score) {
        m_lastGameKind = ExerciseKind::TypingHero;
        m_lastGameScore = score;
    });
}

TypingHeroGame GamesController::NextTypingHeroGame()
{
    // A poem or a prose passage of the practice catalogue, drawn at random.
    QList<const PracticeEntry*> texts;
    for (const PracticeEntry& entry : Main().Catalogue().Practices()) {
        if (entry.Category() == u"Poetry" || entry.Category() == u"Prose")
            texts.append(&entry);
    }
    TypingHeroGame game;
    game.skillLevel = Main().Profile().SkillLevel();
    if (texts.isEmpty())
        return game;
    const PracticeEntry& entry = *texts.at(Main().Random().Next() % texts.size());
    game.title = entry.Title();
    const std::optional<int> number = CatalogueEntry::ResourceNumberOf(entry.Key());
    game.text = number ? ResourceStore::Text(*number).value_or(entry.Text()) : entry.Text();
    game.practiceLength = entry.IsLoaded() ? entry.Text().size() : 0;
    return game;
}

GamesController::~GamesController() = default;

clavora::GameScreen* GamesController::Screen(int index) const
{
    if (index == 0)
        return m_flurrix.get();
    return index == 2 ? m_hero.get() : nullptr;
}

void GamesController::ShowGame(int screen)
{
    if (screen >= 0 && screen < ScreenCount)
        m_gameScreen = screen;
    if (MainView* view = Main().Window())
        view->SelectTab(Tab::Games);
    Main().ShowGamesView();
    if (m_view)
        m_view->ShowScreen(m_gameScreen);
}

bool GamesController::HandleCommand(int commandId)
{
    switch (commandId) {
    case Command::MenuFlurrix:
    case Command::Flurrix:
        ShowGame(0);
        return true;
    case Command::MenuThirtySeconds:
    case Command::ThirtySeconds:
        ShowGame(1);
        return true;
    case Command::TypingHero:
    case Command::MenuTypingHero:
        ShowGame(2);
        return true;
    case Command::TabGames:
        ShowGame(-1);
        return true;
    case Command::FlurrixGameBreak:
        m_flurrix->Field().SetBreakMode(true);
        Main().OnCommand(Command::MenuFlurrix);
        return true;
    case Command::GameScreenFlurrix:
    case Command::GameScreenThirtySeconds:
    case Command::GameScreenTypingHero:
        ShowGame(commandId - Command::GameScreenFlurrix);
        return true;
    case GameBreakEndedMessage:
        ReturnToCourse();
        return true;
    default:
        return false;
    }
}

void GamesController::OnGamesViewLeft()
{
    m_flurrix->Field().SetBreakMode(false);
    const GameState state = m_flurrix->State();
    if (state == GameState::Playing || state == GameState::Paused)
        m_flurrix->SetState(GameState::Menu);
    // A rhythm game left while running is ended and stored as by its "End" button.
    const GameState heroState = m_hero->State();
    if (heroState == GameState::Playing || heroState == GameState::Paused) {
        m_heroField->EndGame();
        m_hero->SetState(GameState::Menu);
    }
}

QString GamesController::WordListFolder() const
{
    const QString installerPath = Main().Settings().ReadText(SettingsStore::SettingsKey,
                                                             QString::fromUtf16(Profile::InstallerPath.name));
    return KnownFolders::InstallationFolder(installerPath) + QStringLiteral("/flurrix");
}

double GamesController::SkillLevel() const
{
    return Main().Profile().SkillLevel();
}

int GamesController::HighestLessonKey() const
{
    return FlurrixScores(Main().Settings()).HighestLessonKey();
}

int GamesController::HighScore() const
{
    return FlurrixScores(Main().Settings()).HighScore();
}

void GamesController::PlayErrorSound()
{
    if (Main().PlayErrorSounds())
        Main().Sounds().PlayEventSound(ErrorSoundEvent);
}

void GamesController::GameEnded(int score)
{
    FlurrixScores(Main().Settings()).Store(score, Main().Time().EpochSeconds());
    m_lastGameKind = ExerciseKind::Flurrix;
    m_lastGameScore = score;
}

void GamesController::GameBreakEnded()
{
    // The field is inside its frame; the course dialog runs once the frame is over.
    Main().PostCommand(GameBreakEndedMessage);
}

void GamesController::ReturnToCourse()
{
    MainView* view = Main().Window();
    if (!view || Main().IsBusy())
        return;
    view->SelectTab(Tab::Lessons);
    Main().ShowTypingView();
    CourseFlow& course = Main().Course();
    ExerciseFinishedInputs in;
    in.resultKind = ExerciseKind::Flurrix;
    in.currentEntry = course.CurrentEntry();
    in.nextEntry = course.CurrentEntry();
    in.buttonsEnabled = in.nextEntry < CourseTable::EntryCount;
    in.repeatFlag = course.RepeatFlag();
    in.lastLessonIndex = Main().Profile().Get(Profile::LastLessonIndex);
    in.gameBreakCountdown = course.GameBreakCountdown();
    const std::optional<QList<CourseButton>> buttons = ExerciseFinishedButtons(in);
    if (!buttons)
        return;
    ExerciseFinishedContent content;
    content.summary = ResultsSummaries::OfGame(ExerciseKind::Flurrix, quint32(std::max(0, m_lastGameScore)),
                                               HighScore(), course.GameBreakCountdown());
    content.buttons = *buttons;
    content.tip = ChooseTip(Main().Random());
    if (const int command = view->RunExerciseFinishedDialog(content))
        Main().PostCommand(command);
}

} // namespace clavora
