#include "games/TypingHeroField.h"

#include "games/TypingHeroStore.h"
#include "platform/Clock.h"

#include <algorithm>
#include <numbers>

namespace clavora {

namespace {

bool IsGraphic(QChar character)
{
    return character.isPrint() && !character.isSpace();
}

} // namespace

TypingHeroField::TypingHeroField(const Clock& clock, TypingHeroStore& store) : m_clock(clock), m_store(store)
{}

void TypingHeroField::Layout(double width, double height, double keyboardHeight)
{
    m_width = width;
    m_height = height;
    m_hitLine = height - keyboardHeight - HitLineAboveKeyboard;
}

void TypingHeroField::SetState(GameState state)
{
    const bool newGame =
        state == GameState::Playing && (m_state == GameState::Menu || m_state == GameState::GameOver);
    m_state = state;
    if (newGame)
        StartGame();
}

void TypingHeroField::ClearPlay()
{
    m_letters.clear();
    m_judgements.clear();
    m_releaseIndex = 0;
    m_currentIndex = 0;
    m_lastRelease = 0.0;
    m_meterSteps = MeterSteps;
    m_shownMeter = 1.0;
    m_score = 0;
    m_lastGrade = 0;
    m_gradeDisplay = 0;
    m_completed = false;
}

void TypingHeroField::StartGame()
{
    ClearPlay();
    m_game = m_source ? m_source() : TypingHeroGame{};
    m_text = m_game.text;
    // Line ends, tabs and other unprintable characters become spaces, which are never released.
    for (QChar& character : m_text) {
        if (!character.isPrint())
            character = u' ';
    }
    while (m_currentIndex < m_text.size() && !IsGraphic(m_text.at(m_currentIndex)))
        ++m_currentIndex;
    m_unsaved = true;
}

void TypingHeroField::Update()
{
    if (m_state == GameState::GameOver && m_unsaved) {
        EndGame();
        return;
    }
    if (m_state != GameState::Playing)
        return;
    Release(m_clock.HighResMs());
    MoveLetters();
    m_shownMeter = 0.9 * m_shownMeter + 0.1 * Meter();
    if (m_gradeDisplay > GradeHiddenAt)
        --m_gradeDisplay;
}

void TypingHeroField::Release(double now)
{
    if (m_releaseIndex >= m_text.size() ||
        now < m_lastRelease + TypingHeroRules::ReleaseIntervalMs(m_game.skillLevel))
        return;
    m_lastRelease = now;
    while (m_releaseIndex < m_text.size() && !IsGraphic(m_text.at(m_releaseIndex)))
        ++m_releaseIndex;
    if (m_releaseIndex >= m_text.size())
        return;
    FallingLetter letter;
    letter.character = m_text.at(m_releaseIndex++);
    letter.lane = TypingHeroRules::LaneOf(letter.character);
    m_letters.append(letter);
}

void TypingHeroField::MoveLetters()
{
    const double speed = m_height * SpeedPerHeight;
    for (FallingLetter& letter : m_letters) {
        letter.y += speed;
        if (letter.hit) {
            letter.pulsePhase += PulseStep;
            if (letter.pulsePhase > std::numbers::pi)
                letter.pulsePhase -= std::numbers::pi;
        }
        if (!letter.hit && !letter.missed && letter.y - PastLineAllowance > m_hitLine &&
            m_state == GameState::Playing) {
            letter.missed = true;
            Judge(TypingHeroRules::Missed);
            AdvanceCurrent();
        }
    }
    m_letters.removeIf([this](const FallingLetter& letter) { return letter.y > m_height; });
}

void TypingHeroField::Character(QChar character)
{
    if (m_state != GameState::Playing)
        return;
    const double size = LetterSize();
    // A letter already missed stays missed: pressing it late scores nothing twice.
    const auto candidate = std::find_if(m_letters.begin(), m_letters.end(), [&](const FallingLetter& letter) {
        return !letter.hit && !letter.missed && letter.character == character &&
               m_hitLine - letter.y + size >= -PastLineAllowance;
    });
    if (candidate == m_letters.end()) {
        Judge(TypingHeroRules::Missed);
        return;
    }
    const double distance = m_height > 0.0 ? (m_hitLine - candidate->y) / m_height : 0.0;
    const int grade = TypingHeroRules::GradeFor(distance);
    Judge(grade);
    if (grade > TypingHeroRules::Missed && m_state == GameState::Playing) {
        candidate->hit = true;
        AdvanceCurrent();
    }
}

void TypingHeroField::Judge(int grade)
{
    m_lastGrade = grade;
    m_judgements.prepend(grade);
    if (grade > TypingHeroRules::Missed) {
        m_score += TypingHeroRules::PointsFor(grade);
        m_meterSteps = std::min(m_meterSteps + 1, int(MeterSteps));
    } else {
        m_meterSteps = std::max(m_meterSteps - 1, 0);
        if (m_meterSteps <= 0)
            EndPlay(false);
    }
    m_gradeDisplay = GradeDisplayFrames;
    if (m_currentIndex + 1 >= m_text.size())
        EndPlay(true);
}

void TypingHeroField::AdvanceCurrent()
{
    ++m_currentIndex;
    while (m_currentIndex < m_text.size() && !IsGraphic(m_text.at(m_currentIndex)))
        ++m_currentIndex;
}

void TypingHeroField::EndPlay(bool completed)
{
    m_completed = completed;
    m_state = GameState::GameOver;
}

GuideKeyAndShift TypingHeroField::HighlightedKeys() const
{
    if (m_state != GameState::Playing || m_currentIndex >= m_text.size())
        return {};
    return GuideKeyTables::KeyForCharacter(m_text.at(m_currentIndex));
}

TypingHeroOutcome TypingHeroField::EndGame()
{
    const qsizetype length = m_game.practiceLength > 0 ? m_game.practiceLength : m_text.size();
    m_outcome = TypingHeroOutcome{m_score, m_completed,
                                  TypingHeroRules::FiguresOf(m_judgements, m_completed, length)};
    if (m_unsaved && m_score != 0) {
        m_store.SaveGame(m_game.title, m_outcome);
        if (m_handOver)
            m_handOver(m_score);
    }
    m_unsaved = false;
    ClearPlay();
    return m_outcome;
}

} // namespace clavora
