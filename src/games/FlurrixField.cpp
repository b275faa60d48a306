#include "games/FlurrixField.h"

#include "games/FlurrixEnvironment.h"
#include "games/GamesLog.h"
#include "games/SceneHost.h"
#include "games/TextMeasurer.h"
#include "platform/Clock.h"
#include "platform/KeyCodes.h"
#include "platform/RandomGenerator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace clavora {

using namespace FlurrixRules;

namespace {

constexpr int ClearingKind = 3;
constexpr int HealingKind = 1;
constexpr int BonusKind = 2;
constexpr int BombKind = 4;
constexpr int LetterSetScanLimit = 27;
constexpr double HealthBarEasing = 30.0;

FlurrixRules::Wave StartWave()
{
    return {3 * std::numbers::pi / 2, 1.0};
}

} // namespace

FlurrixField::FlurrixField(FlurrixEnvironment& environment) : m_environment(environment), m_wave(StartWave())
{}

void FlurrixField::Init(SceneHost& host)
{
    m_host = &host;
    m_lists.Load(m_environment.WordListFolder(), [&host] { return host.IsClosing(); });
    m_highScore = m_environment.HighScore();
    SceneNode::Init(host);
}

void FlurrixField::Layout(SceneHost& host, double left, double top, double width, double height)
{
    Q_UNUSED(left)
    Q_UNUSED(top)
    m_width = width;
    m_height = height;
    SceneNode::Layout(host, left, top, width, height);
}

bool FlurrixField::KeyDown(int code)
{
    if (State() == GameState::Playing && code == VkSpace)
        DropBomb();
    return true;
}

bool FlurrixField::Character(QChar ch)
{
    return m_input.Character(ch);
}

void FlurrixField::SetState(GameState state)
{
    SceneNode::SetState(state);
    if ((state == GameState::Menu || state == GameState::GameOver) && !m_resultSaved)
        EndGame(state);
}

void FlurrixField::ResetGame()
{
    m_shownHealth = StartHealth;
    m_health = StartHealth;
    m_words.clear();
    m_wave = StartWave();
    m_level = 1;
    m_wordsThisLevel = 0;
    m_letterSet = LetterSetForHighestLesson(m_environment.HighestLessonKey());
    m_skill = m_environment.SkillLevel();
    m_score = 0;
    m_bombs = StartBombs;
    m_resultSaved = false;
    m_outOfWords = false;
    m_spawnedThisGame = 0;
    m_drawable.clear();
}

void FlurrixField::Update(SceneHost& host)
{
    m_host = &host;
    const double now = host.Time().HighResMs();
    const GameState state = State();
    if (state == GameState::Paused && m_previousState == GameState::Playing)
        m_pauseStart = now;
    if (state == GameState::Playing && m_previousState == GameState::Paused) {
        m_pausedTime += now - m_pauseStart;
        m_pauseStart = 0;
    }
    if (state == GameState::Playing &&
        (m_previousState == GameState::Menu || m_previousState == GameState::GameOver)) {
        ResetGame();
        m_notice.clear();
    }
    m_previousState = state;
    if (state != GameState::Playing)
        return;

    const int stretch = static_cast<int>(40 * Uniform());
    const double interval = SpawnIntervalSeconds(m_level, m_wave.value, m_skill);
    if (now >= m_lastSpawnTime + m_pausedTime + interval * 1000 * (80 + stretch) / 100) {
        m_pausedTime = 0;
        if (Spawn())
            m_lastSpawnTime = now;
    }

    const QString typed = m_input.Text().left(MaxWordLength);
    const int step = FallStep(m_skill, m_height);
    bool anyMatched = false;
    std::vector<FallingWord*> scan;
    scan.reserve(m_words.size());
    for (const auto& word : m_words)
        scan.push_back(word.get());
    for (FallingWord* word : scan) {
        word->Fall(step);
        if (word->Y() >= m_height - LandingMargin) {
            m_health -= LandingHealthLoss;
            RemoveWord(word);
            continue;
        }
        // With nothing typed no prefix is shown, not the one of the text cleared last frame.
        const bool matched = !typed.isEmpty() && word->Text().startsWith(typed);
        word->SetMatchedLength(matched ? static_cast<int>(typed.size()) : 0);
        if (!matched)
            continue;
        anyMatched = true;
        if (typed == word->Text()) {
            const bool endsScan = word->Kind() == ClearingKind;
            CompleteWord(word, now);
            if (endsScan || m_outOfWords)
                break;
        }
    }

    if (!typed.isEmpty() && !m_words.empty() && !anyMatched) {
        m_environment.PlayErrorSound();
        m_health -= WrongKeyPenalty(m_level);
        m_input.Clear();
    }
    for (const auto& word : m_words)
        word->Update(host);
    PlaceNewWords();
    m_shownHealth += (m_health - m_shownHealth) / HealthBarEasing;

    if (m_outOfWords)
        EndForLackOfWords();
    else if (m_health <= 0)
        SetState(GameState::GameOver);
    // A game that ended in this frame must start afresh on the next key, even before a frame.
    m_previousState = State();
}

void FlurrixField::CompleteWord(FallingWord* word, double now)
{
    const int kind = word->Kind();
    const int length = static_cast<int>(word->Text().size());
    RemoveWord(word);
    SpawnAfterCompletion(now);
    if (kind == HealingKind)
        m_health = StartHealth;
    if (kind == BombKind)
        ++m_bombs;
    if (++m_wordsThisLevel >= std::min(m_level, LevelUpWordsMax)) {
        m_wordsThisLevel = 0;
        ++m_level;
    }
    m_wave = AdvanceWave(m_wave, m_level);
    m_input.Clear();
    m_health = std::min(StartHealth, m_health + CompletionHealthGain);
    m_score += PointsForLength(length) * (kind == BonusKind ? BonusMultiplier : 1);
    if (kind == ClearingKind) {
        ClearScreen();
        SpawnAfterCompletion(now);
    }
}

void FlurrixField::SpawnAfterCompletion(double now)
{
    m_pausedTime = 0;
    if (Spawn())
        m_lastSpawnTime = now;
}

void FlurrixField::DropBomb()
{
    if (m_bombs <= 0)
        return;
    --m_bombs;
    ClearScreen();
}

void FlurrixField::ClearScreen()
{
    for (const auto& word : m_words)
        m_score += PointsForLength(static_cast<int>(word->Text().size()));
    m_words.clear();
}

void FlurrixField::RemoveWord(const FallingWord* word)
{
    std::erase_if(m_words, [word](const std::unique_ptr<FallingWord>& each) { return each.get() == word; });
}

bool FlurrixField::Spawn()
{
    if (!CanDrawAnyWord()) {
        m_outOfWords = true;
        return false;
    }
    // A usable word exists, so the draw succeeds soon; the bound only guards against bad luck
    // with a list that holds very few usable words, and the next frame draws again.
    for (int attempt = 0; attempt < MaxSpawnAttempts; ++attempt) {
        if (TrySpawn())
            return true;
    }
    return false;
}

bool FlurrixField::TrySpawn()
{
    const LengthRange range = LengthRangeForLevel(m_level);
    const int span = range.longest - range.shortest;
    const int offset = std::min(static_cast<int>(Uniform() * (span + 1)), span);
    const QStringList& list = m_lists.ListOfLength(range.shortest + offset);
    if (list.isEmpty())
        return false;
    const QString& text = list.at(static_cast<qsizetype>(Uniform() * static_cast<double>(list.size() - 1)));
    if (text.isEmpty())
        return false;
    if (m_words.empty())
        m_input.Clear();
    if (!IsInLetterSet(text))
        return false;
    int kind = 0;
    if ((Rand() & 0xF800) == 0x7800)
        kind = (Rand() >> 13) + 1;
    const int picture = Rand() < (RandomGenerator::Max + 1) / 2 ? FallingWord::SnowflakePicture
                                                                : FallingWord::OtherSnowflakePicture;
    InsertWord(text, kind, picture);
    ++m_spawnedThisGame;
    return true;
}

FallingWord* FlurrixField::InsertWord(const QString& text, int kind, int picture)
{
    const QString shown = text.left(MaxWordLength);
    const QSizeF size = m_host ? m_host->Measurer().TextSize(FallingWord::Font(), shown) : QSizeF();
    auto word = std::make_unique<FallingWord>(shown, kind, picture, size);
    word->SetState(State());
    m_words.insert(m_words.begin(), std::move(word));
    return m_words.front().get();
}

bool FlurrixField::CanDrawAnyWord() const
{
    const LengthRange range = LengthRangeForLevel(m_level);
    const quint32 key = quint32(range.shortest) << 16 | quint32(range.longest) << 8 | quint32(m_letterSet);
    const auto known = m_drawable.constFind(key);
    if (known != m_drawable.cend())
        return *known;
    bool any = false;
    for (int length = range.shortest; length <= range.longest && !any; ++length) {
        const QStringList& list = m_lists.ListOfLength(length);
        // The last word of a longer list is never drawn.
        const qsizetype drawn = list.size() > 1 ? list.size() - 1 : list.size();
        for (qsizetype i = 0; i < drawn && !any; ++i)
            any = !list[i].isEmpty() && IsInLetterSet(list[i]);
    }
    m_drawable.insert(key, any);
    return any;
}

bool FlurrixField::IsInLetterSet(const QString& word) const
{
    const QString letters = LetterSet(m_letterSet).left(LetterSetScanLimit);
    return std::all_of(word.cbegin(), word.cend(), [&letters](QChar ch) { return letters.contains(ch); });
}

void FlurrixField::PlaceNewWords()
{
    for (const auto& word : m_words) {
        if (word->IsPlaced())
            continue;
        const double width = std::max(word->Size().width(), m_host->PictureSize(word->Picture()).width());
        const double x = std::floor((m_width - width) * Rand() / RandomGenerator::Max);
        word->SetPosition(std::max(0.0, x), word->Y());
    }
}

void FlurrixField::EndGame(GameState state)
{
    m_resultSaved = true;
    m_environment.GameEnded(m_score);
    m_highScore = std::max(m_highScore, m_score);
    if (state == GameState::GameOver && m_breakMode) {
        m_breakMode = false;
        ResetGame();
        m_resultSaved = true;
        SceneNode::SetState(GameState::Menu);
        m_environment.GameBreakEnded();
    }
}

void FlurrixField::EndForLackOfWords()
{
    const LengthRange range = LengthRangeForLevel(m_level);
    const QString lengths = range.shortest == range.longest
                                ? QString::number(range.shortest)
                                : QStringLiteral("%1 to %2").arg(range.shortest).arg(range.longest);
    m_notice =
        QStringLiteral("No words are available for level %1: the word lists hold no word of %2 letters "
                       "made only of the letters you have learned so far (\"%3\").")
            .arg(m_level)
            .arg(lengths, LetterSet(m_letterSet));
    qCWarning(lcGames) << m_notice << "Word lists:" << m_environment.WordListFolder();
    // A game that never showed a word is no game: nothing is stored for it.
    if (m_spawnedThisGame == 0)
        m_resultSaved = true;
    m_words.clear();
    const bool breakMode = m_breakMode;
    m_breakMode = false;
    SetState(GameState::Menu);
    if (breakMode)
        m_environment.GameBreakEnded();
}

double FlurrixField::Uniform()
{
    return Rand() / double(RandomGenerator::Max + 1);
}

int FlurrixField::Rand()
{
    return m_host->Random().Next();
}

} // namespace clavora
