#pragma once

#include "progress/ProblemRecord.h"
#include "progress/ProblemRecordFolder.h"

#include <optional>
#include <QList>
#include <QString>

namespace clavora {

enum class ProblemList
{
    Words,
    Chars
};

// The problem words and problem characters of the account: two folders of record files in the
// product data folder, shared by every tutor user. Records that cannot be read are counted and
// listed as failures but never changed or deleted here.
class ProblemStore final
{
public:
    static constexpr int MaxProblemWords = 50;

    // dataFolder is the product data folder; the two record folders live inside it.
    explicit ProblemStore(const QString& dataFolder);

    // Counts a miss of the expected character: a first miss adds a record, later ones raise its
    // "ErrorCount". Only the first UTF-16 unit counts; a lone surrogate cannot be stored faithfully
    // and is refused. False when nothing could be written.
    bool AddProblemChar(const QString& character, qint64 epochSeconds) const;
    // Records the word (stripped of surrounding punctuation) with the given time, replacing an
    // older record of the same word, and keeps at most MaxProblemWords words by removing the
    // oldest. False when the stripped word is empty or could not be written.
    bool AddProblemWord(const QString& word, qint64 epochSeconds) const;

    int CountProblemWords() const { return Count(ProblemList::Words); }
    int CountProblemChars() const { return Count(ProblemList::Chars); }
    int Count(ProblemList list) const;

    // The index-th record in listing order; nothing when there are fewer records, or when the
    // record cannot be read or lacks its word or character.
    std::optional<ProblemRecord> ReadProblemEntry(ProblemList list, int index) const;
    // Every record in listing order, each read as ReadProblemEntry would.
    QList<std::optional<ProblemRecord>> ReadProblemEntries(ProblemList list) const;

    // Deletes every record of the list; true when every deletion succeeded.
    bool ClearProblemWords() const { return Clear(ProblemList::Words); }
    bool ClearProblemChars() const { return Clear(ProblemList::Chars); }
    bool Clear(ProblemList list) const;

    const ProblemRecordFolder& Folder(ProblemList list) const;

private:
    std::optional<ProblemRecord> ReadValid(ProblemList list, const QString& fileName) const;

    ProblemRecordFolder m_words;
    ProblemRecordFolder m_chars;
};

} // namespace clavora
