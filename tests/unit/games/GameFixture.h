#pragma once

#include "games/FlurrixEnvironment.h"
#include "games/FlurrixField.h"
#include "games/FlurrixScreen.h"
#include "games/SceneHost.h"
#include "games/TextMeasurer.h"
#include "platform/RandomGenerator.h"
#include "testsupport/TestClock.h"
#include "testsupport/TestFiles.h"

#include <QList>
#include <QTemporaryDir>

namespace clavora::test {

// Every character 20 pixels wide, every line 40 high; pictures 84 square.
class FixedMeasurer final : public TextMeasurer
{
public:
    QSizeF TextSize(const TextFont&, const QString& text) const override
    {
        return {20.0 * text.size(), 40.0};
    }
};

class TestSceneHost final : public SceneHost
{
public:
    const Clock& Time() const override { return clock; }
    RandomGenerator& Random() override { return random; }
    const TextMeasurer& Measurer() const override { return measurer; }
    QSizeF PictureSize(int) const override { return {84, 84}; }
    bool IsClosing() const override { return closing; }

    TestClock clock;
    RandomGenerator random{12345};
    FixedMeasurer measurer;
    bool closing = false;
};

class FakeFlurrixEnvironment final : public FlurrixEnvironment
{
public:
    QString WordListFolder() const override { return folder; }
    double SkillLevel() const override { return skill; }
    int HighestLessonKey() const override { return highestLesson; }
    int HighScore() const override { return highScore; }
    void PlayErrorSound() override { ++errorSounds; }
    void GameEnded(int score) override
    {
        endedScores.append(score);
        highScore = std::max(highScore, score);
    }
    void GameBreakEnded() override { ++breaksEnded; }

    QString folder;
    double skill = 0.1;
    int highestLesson = 0;
    int highScore = 0;
    int errorSounds = 0;
    QList<int> endedScores;
    int breaksEnded = 0;
};

// A falling-words screen on an 800 x 600 field, its word lists written to a temporary folder.
class FlurrixFixture
{
public:
    static constexpr double Width = 800;
    static constexpr double Height = 600;

    explicit FlurrixFixture(const QStringList& listsByLength = {QStringLiteral("a,s,d,f,x,q")})
    {
        environment.folder = folder.path();
        for (int length = 1; length <= listsByLength.size(); ++length)
            WriteFile(folder.filePath(FlurrixWordLists::FileName(length)),
                      listsByLength[length - 1].toUtf8());
        screen.Init(host);
        screen.Layout(host, 0, 0, Width, Height);
    }

    FlurrixField& Field() { return screen.Field(); }
    void Frame()
    {
        host.clock.Advance(16);
        screen.Update(host);
    }
    // Types the keys and runs the frame that takes them in.
    void Type(const QString& text)
    {
        for (const QChar ch : text)
            screen.Character(ch);
        Frame();
    }
    // Starts a game with a key and runs its first frame.
    void Start()
    {
        screen.KeyDown('A');
        Frame();
    }
    FlurrixField& Started()
    {
        Start();
        return Field();
    }

    QTemporaryDir folder;
    TestSceneHost host;
    FakeFlurrixEnvironment environment;
    FlurrixScreen screen{environment};
};

} // namespace clavora::test
