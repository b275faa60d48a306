#pragma once

#include "platform/RandomGenerator.h"
#include "progress/ProblemStore.h"

#include <functional>
#include <QList>
#include <QString>
#include <QStringList>

namespace clavora {

// The two revision practices, by the body type their catalogue entries carry.
enum class RevisionKind
{
    ProblemWords = 7,
    ProblemChars = 8
};

// How one regeneration ended; the numbers are the results the progress window reports.
enum class RevisionStatus
{
    Done = 0,
    Cancelled = 1,
    EntryUnreadable = 2
};

struct RevisionText
{
    RevisionKind kind = RevisionKind::ProblemWords;
    // The new exercise text; after a cancel or an unreadable entry, the part built until then.
    QString text;
    RevisionStatus status = RevisionStatus::Done;
};

// What a progress window offers while the texts are built. Every member may be left empty.
struct RevisionProgress
{
    std::function<bool()> isCancelled;
    std::function<void(const QString&)> setStatus;
    std::function<void(double)> setFraction;
};

// Builds the exercise texts of the revision practices from the stored problem words and
// characters, drawing from the program's one random sequence.
class RevisionTextGenerator final
{
public:
    static constexpr int WordsTextLength = 50;
    static constexpr int CharsTextMaxWords = 75;

    static const QString NoProblemWordsText;
    static const QString NoProblemCharsText;
    static const QString ProblemWordsStatus;
    static const QString ProblemCharsStatus;

    // The store, the word list and the random sequence must outlive the generator.
    RevisionTextGenerator(const ProblemStore& store, const QStringList& wordList, RandomGenerator& random);

    // The stored words, shuffled: 50 words with each stored word about equally often.
    RevisionText GenerateProblemWordsText(const RevisionProgress& progress = {}) const;
    // Up to 75 words of the word list that contain a stored character, in list order, with
    // runs of words beginning with one letter kept short.
    RevisionText GenerateProblemCharsText(const RevisionProgress& progress = {}) const;
    // One practice's text, after showing its status text.
    RevisionText Generate(RevisionKind kind, const RevisionProgress& progress = {}) const;
    // The texts of the revision practices given in catalogue order; stops after a cancel, so
    // the list is shorter then and the practices left out keep their texts.
    QList<RevisionText> RegenerateRevisionTexts(const QList<RevisionKind>& practices,
                                                const RevisionProgress& progress = {}) const;

private:
    const ProblemStore& m_store;
    const QStringList& m_wordList;
    RandomGenerator& m_random;
};

} // namespace clavora
