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
#include "games/RaceSoundPlayers.h"
#include "games/ThirtySecondsField.h"
#include "games/ThirtySecondsScreen.h"
#include "games/ThirtySecondsStore.h"
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
      m_raceStore(std::make_unique<ThirtySecondsStore>(main.Settings(), main.Time())),
      m_raceSounds(std::make_unique<RaceSoundPlayers>(main.Settings(), main.Sounds())),
      m_raceField(
          std::make_unique<ThirtySecondsField>(main.Time(), main.Random(), *m_raceStore, *m_raceSounds)),
      m_race(std::make_unique<ThirtySecondsScreen>(*m_raceField, *m_raceStore)),
      m_heroStore(std::make_unique<TypingHeroStore>(main.Settings(), main.Time())),
      m_heroField(std::make_unique<TypingHeroField>(main.Time(), *m_heroStore)),
      m_hero(std::make_unique<TypingHeroScreen>(*m_heroField))
{
    m_heroField->SetGameSource([this] { return NextTypingHeroGame(); });
    m_heroField->SetScoreHandOver(HandOver(ExerciseKind::TypingHero));
    m_raceField->SetScoreHandOver(HandOver(ExerciseKind::ThirtySeconds));
    m_race->SetWordListFolder([this] { return WordListFolder(); });
    m_race->SetResetQuestion([this] { return AskResetRace(); });
}

std::function<void(int)> GamesController::HandOver(int kind)
{
    return [this, kind](int score) {
        m_lastGameKind = kind;
        m_lastGameScore = score;
    };
}

bool GamesController::AskResetRace()
{
    MainView* view = Main().Window();
    return view && view->AskQuestion(QStringLiteral("Reset 30 Vedivez iv Oruz Progress"),
                                     QStringLiteral("Are you sure you want to reset all progress?"),
                                     QStringLiteral("Reset"), QStringLiteral("Cancel"));
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
    switch (index) {
    case 0:
        return m_flurrix.get();
    case 1:
        return m_race.get();
    case 2:
        return m_hero.get();
    default:
        return nullptr;
    }
}

void GamesController::ShowGame(int screen)
{
    if (screen >= 0 && screen < ScreenCount)
        m_gameScreen = screen;
    // The settings and the user may have changed since the race was last shown.
    m_raceField->SetPlayErrorSounds(Main().PlayErrorSounds());
    m_race->RefreshFigures();
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
    // A race or rhythm game left while running is ended and stored as by its "End" button.
    const auto running = [](const clavora::GameScreen& screen) {
        return screen.State() == GameState::Playing || screen.State() == GameState::Paused;
    };
    if (running(*m_race)) {
        m_raceField->EndGame();
        m_race->SetState(GameState::Menu);
    }
    m_raceSounds->StopAll();
    if (running(*m_hero)) {
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
