#pragma once

#include "platform/RandomGenerator.h"

#include <QString>
#include <QStringList>

namespace clavora {

// The random texts of the drill practices, drawn from the program's one random sequence so that a
// seed always gives the same text.
class DrillTextGenerator final
{
public:
    static constexpr int GroupCount = 50;
    static constexpr int WordCount = 50;

    explicit DrillTextGenerator(RandomGenerator& random) : m_random(random) {}

    // 50 groups of 2 to 6 characters separated by single spaces: lower-case letters (upper case
    // too when mixed), digits, or both with about one digit in ten.
    QString GenerateCharacters(bool numbers, bool letters, bool mixed);
    // 50 words of the word list separated by spaces. Mixed adds sentences (capitals, commas,
    // colons, dashes, end marks) and paragraphs that begin with a TAB. Empty when the list is.
    QString GenerateWords(const QStringList& wordList, bool mixed);

private:
    // One result of the sequence scaled to 0..1.
    double NextUnit();
    void AppendSentenceEnd(QString& text);
    void AppendPause(QString& text);

    RandomGenerator& m_random;
};

} // namespace clavora
