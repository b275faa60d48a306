#include "games/ThirtySecondsField.h"

#include "games/ThirtySecondsStore.h"
#include "platform/Clock.h"
#include "platform/RandomGenerator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace clavora {

namespace {

constexpr double Top = -std::numbers::pi / 2.0;
constexpr double PulseStep = 0.06283185307179587;
constexpr double GlideSnap = 0.0005;

void Glide(RaceWord& word)
{
    const double remaining = word.targetAngle - word.angle;
    word.angle = std::abs(remaining) < GlideSnap ? word.targetAngle
                                                 : word.angle + remaining * ThirtySecondsField::GlideShare;
}

} // namespace

ThirtySecondsField::ThirtySecondsField(const Clock& clock, RandomGenerator& random, ThirtySecondsStore& store,
                                       RaceSounds& sounds)
    : m_clock(clock), m_random(random), m_store(store), m_sounds(sounds)
{
    ResetField();
}

void ThirtySecondsField::Layout(double width, double height)
{
    m_width = width;
    m_height = height;
    PlaceWords();
    for (RaceWord& word : m_queue)
        word.angle = word.targetAngle;
    for (RaceWord& word : m_done)
        word.angle = word.targetAngle;
}

double ThirtySecondsField::Step() const
{
    const double radius = WheelRadiusShare * m_width;
    return radius > 0.0 ? WordSpacing / radius : 0.0;
}

QPointF ThirtySecondsField::WheelPoint(double angle) const
{
    const double rx = WheelRadiusShare * m_width;
    const double ry = WheelRadiusShare * m_height;
    const QPointF centre(m_width / 2.0, m_height / 2.0 - 0.035 * m_height + ry);
    return centre + QPointF(rx * std::cos(angle), ry * std::sin(angle));
}

void ThirtySecondsField::ResetField()
{
    m_score = 0;
    m_level = m_store.StartLevel();
    m_completedThisLevel = 0;
    m_missedThisLevel = 0;
    m_timeLeft = ThirtySecondsRules::StartSeconds;
    m_clockRunning = false;
    m_pulsePhase = 0.0;
    m_bonusFrames = 0;
    m_queue.clear();
    m_done.clear();
}

void ThirtySecondsField::SetState(GameState state)
{
    const bool newGame =
        state == GameState::Playing && (m_state == GameState::Menu || m_state == GameState::GameOver);
    m_state = state;
    if (newGame)
        ResetField();
    if (state != GameState::Playing)
        m_clockRunning = false;
}

void ThirtySecondsField::Character(QChar character)
{
    if (m_state != GameState::Playing)
        return;
    if (!m_clockRunning) {
        m_clockRunning = true;
        m_lastClockUpdate = m_clock.HighResMs();
    }
    TypeIntoCurrentWord(character);
}

void ThirtySecondsField::TypeIntoCurrentWord(QChar character)
{
    if (m_queue.isEmpty())
        return;
    RaceWord& word = m_queue.front();
    if (word.typed.isEmpty() && character == u' ' && !word.leadingSpaceSeen) {
        word.leadingSpaceSeen = true;
        return;
    }
    const qsizetype position = word.typed.size();
    if (position < MaxTypedLength)
        word.typed.append(character);
    if (position < word.text.size() && position < MaxTypedLength && word.text.at(position) == character) {
        if (word.typed != word.text)
            return;
        word.completed = true;
    } else {
        word.missed = true;
        if (m_playErrorSounds)
            m_sounds.PlayErrorSound();
    }
    word.typed.clear();
    // Moved on at once, so that a second key in the same frame already goes to the next word.
    FinishCurrentWord();
}

void ThirtySecondsField::Update()
{
    if (m_state != GameState::Playing)
        return;
    UpdateClock();
    if (m_timeLeft <= 0.0) {
        EndGame();
        m_state = GameState::GameOver;
        return;
    }
    for (RaceWord& word : m_queue)
        Glide(word);
    for (RaceWord& word : m_done)
        Glide(word);
    if (m_queue.size() < ThirtySecondsRules::QueueLength)
        AddWord();
    FinishCurrentWord();
    if (m_bonusFrames > 0)
        --m_bonusFrames;
}

void ThirtySecondsField::UpdateClock()
{
    if (!m_clockRunning)
        return;
    const double now = m_clock.HighResMs();
    m_timeLeft = std::max(0.0, m_timeLeft - (now - m_lastClockUpdate) * 0.001);
    m_lastClockUpdate = now;
    if (!ClockPulses())
        return;
    m_pulsePhase += PulseStep;
    while (m_pulsePhase > std::numbers::pi)
        m_pulsePhase -= std::numbers::pi;
    if (m_timeLeft > ThirtySecondsRules::SirenAboveSeconds && !m_sounds.SirenPlaying())
        m_sounds.PlaySiren();
}

void ThirtySecondsField::AddWord()
{
    const int index = ThirtySecondsRules::WordListIndex(m_level, m_completedThisLevel);
    if (index < 0 || index >= m_wordLists.size())
        return;
    const QStringList& list = m_wordLists.at(index);
    if (list.isEmpty())
        return;
    const double u = m_random.Next() / double(RandomGenerator::Max + 1);
    const auto pick = static_cast<qsizetype>(u * double(list.size() - 1));
    if (list.at(pick).isEmpty())
        return;
    RaceWord word;
    word.text = list.at(pick);
    word.targetAngle = Top + double(m_queue.size()) * Step();
    word.angle = word.targetAngle;
    m_queue.append(word);
}

void ThirtySecondsField::FinishCurrentWord()
{
    if (m_queue.isEmpty() || !(m_queue.front().completed || m_queue.front().missed))
        return;
    RaceWord word = m_queue.takeFirst();
    if (word.missed) {
        ++m_missedThisLevel;
        if (m_playErrorSounds)
            m_sounds.PlayMissedWord();
    }
    m_done.prepend(word);
    if (m_done.size() > ThirtySecondsRules::DoneLength)
        m_done.removeLast();
    if (word.completed)
        CompleteWord();
    PlaceWords();
}

void ThirtySecondsField::CompleteWord()
{
    m_score += ThirtySecondsRules::WordPoints(m_level);
    if (++m_completedThisLevel < ThirtySecondsRules::WordsPerLevel)
        return;
    const LevelBonus bonus = ThirtySecondsRules::BonusFor(m_level, m_timeLeft, m_missedThisLevel);
    m_score += bonus.points;
    m_completedThisLevel = 0;
    m_missedThisLevel = 0;
    ++m_level;
    m_timeLeft += bonus.seconds;
    m_bonusText = QString::asprintf("+%.0f Seconds!", bonus.seconds);
    m_bonusFrames = BonusTextFrames;
}

void ThirtySecondsField::PlaceWords()
{
    const double step = Step();
    for (qsizetype k = 0; k < m_queue.size(); ++k)
        m_queue[k].targetAngle = Top + double(k) * step;
    for (qsizetype k = 0; k < m_done.size(); ++k)
        m_done[k].targetAngle = Top - double(k + 1) * step;
}

int ThirtySecondsField::LevelUpMarkerPosition() const
{
    const int position = ThirtySecondsRules::WordsPerLevel - 1 - m_completedThisLevel;
    return position < m_queue.size() ? position : -1;
}

RaceOutcome ThirtySecondsField::EndGame()
{
    const RaceSaved saved = m_store.SaveGame(m_score);
    m_outcome = RaceOutcome{m_score, saved.levelUp};
    if (m_handOver)
        m_handOver(m_score);
    ResetField();
    return m_outcome;
}

void ThirtySecondsField::ResetProgress()
{
    m_store.Reset();
    ResetField();
}

} // namespace clavora
