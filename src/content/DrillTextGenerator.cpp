#include "content/DrillTextGenerator.h"

#include "services/XmlNode.h"

#include <algorithm>

namespace clavora {

namespace {

// The reciprocal of the largest result, as the drills have always scaled it.
constexpr double UnitScale = 3.051850947599719e-05;

// Thresholds out of 32768 for the punctuation of mixed-case word drills.
constexpr int SentenceEndChance = 5461; // one in six
constexpr int QuestionChance = 8191;    // one in four
constexpr int ExclamationChance = 8191;
constexpr int ParagraphChance = 10922; // one in three
constexpr int CommaChance = 4681;      // one in seven
constexpr int ColonChance = 3276;      // one in ten each
constexpr int SemicolonChance = 3276;
constexpr int DashChance = 3276;

// No paragraph break is placed among the last words, nor before a paragraph has six words.
constexpr int LastParagraphBreakWord = 47;
constexpr int MinParagraphWords = 5;

QString Capitalised(const QString& word)
{
    if (word.isEmpty())
        return word;
    QString result = word.left(XmlFixedFieldLength);
    result[0] = result[0].toUpper();
    return result;
}

} // namespace

double DrillTextGenerator::NextUnit()
{
    return m_random.Next() * UnitScale;
}

QString DrillTextGenerator::GenerateCharacters(bool numbers, bool letters, bool mixed)
{
    QString text;
    for (int group = 0; group < GroupCount; ++group) {
        if (group > 0)
            text += u' ';
        const int length = m_random.Next() % 5 + 2;
        for (int i = 0; i < length; ++i) {
            const double letterWeight = letters ? NextUnit() : 0.0;
            const double numberWeight = numbers ? NextUnit() * 0.2 : 0.0;
            if (letters && numberWeight <= letterWeight) {
                QChar letter(u'a' + m_random.Next() % 26);
                if (mixed && m_random.Next() % 2 == 1)
                    letter = letter.toUpper();
                text += letter;
            } else if (numbers && numberWeight >= letterWeight) {
                text += QChar(u'0' + m_random.Next() % 10);
            }
        }
    }
    return text;
}

void DrillTextGenerator::AppendSentenceEnd(QString& text)
{
    if (m_random.Next() < QuestionChance)
        text += u'?';
    else if (m_random.Next() < ExclamationChance)
        text += u'!';
    else
        text += u'.';
}

void DrillTextGenerator::AppendPause(QString& text)
{
    if (m_random.Next() < CommaChance)
        text += u',';
    else if (m_random.Next() < ColonChance)
        text += u':';
    else if (m_random.Next() < SemicolonChance)
        text += u';';
    else if (m_random.Next() < DashChance)
        text += u" -";
}

QString DrillTextGenerator::GenerateWords(const QStringList& wordList, bool mixed)
{
    QString text;
    if (wordList.isEmpty())
        return text;
    if (mixed)
        text += u'\t';
    int paragraphWords = 0;
    bool capitalise = mixed;
    for (int placed = 0; placed < WordCount; ++placed) {
        if (placed > 0) {
            bool paragraphBreak = false;
            if (mixed && m_random.Next() < SentenceEndChance) {
                AppendSentenceEnd(text);
                capitalise = true;
                paragraphBreak = placed < LastParagraphBreakWord && paragraphWords > MinParagraphWords &&
                                 m_random.Next() < ParagraphChance;
            } else if (mixed) {
                AppendPause(text);
            }
            if (paragraphBreak) {
                text += u"\n\n\t";
                paragraphWords = 0;
            } else {
                text += u' ';
                ++paragraphWords;
            }
        }
        // The last word also stands for a draw that lands exactly on the largest result.
        const qsizetype index =
            std::min<qsizetype>(static_cast<qsizetype>(NextUnit() * wordList.size()), wordList.size() - 1);
        const QString& word = wordList.at(index);
        text += capitalise ? Capitalised(word) : word;
        capitalise = false;
    }
    if (mixed)
        text += u'.';
    return text;
}

} // namespace clavora
