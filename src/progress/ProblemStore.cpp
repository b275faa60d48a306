#include "progress/ProblemStore.h"

#include "progress/ProblemLog.h"
#include "progress/ProblemRecordNames.h"
#include "progress/ProblemRules.h"

#include <limits>

namespace clavora {

namespace names = problem_names;

namespace {

ProblemRecord NewRecord(QLatin1StringView keyName, const QString& key, qint64 epochSeconds)
{
    ProblemRecord record;
    record.SetValue(keyName, key);
    record.SetValue(names::DateTime, FormatProblemTime(epochSeconds));
    record.SetValue(names::Reason, names::WrongReason);
    return record;
}

int NextErrorCount(const ProblemRecord& record)
{
    bool ok = false;
    const int count = record.Value(names::ErrorCount).toInt(&ok);
    if (!ok || count < 0)
        return 1;
    return count == std::numeric_limits<int>::max() ? count : count + 1;
}

// Records without a usable time stamp count as the oldest possible.
qint64 AgeOrder(const ProblemRecord& record)
{
    return ProblemTimeOrder(record.Value(names::DateTime)).value_or(std::numeric_limits<qint64>::min());
}

} // namespace

ProblemStore::ProblemStore(const QString& dataFolder)
    : m_words(dataFolder + u'/' + names::WordsFolder), m_chars(dataFolder + u'/' + names::CharsFolder)
{}

const ProblemRecordFolder& ProblemStore::Folder(ProblemList list) const
{
    return list == ProblemList::Words ? m_words : m_chars;
}

std::optional<ProblemRecord> ProblemStore::ReadValid(ProblemList list, const QString& fileName) const
{
    std::optional<ProblemRecord> record = Folder(list).Read(fileName);
    const QLatin1StringView key = list == ProblemList::Words ? names::Word : names::Char;
    if (record && record->Value(key).isEmpty()) {
        qCWarning(lcProblems) << "Record without" << key << Folder(list).Path() << fileName;
        return std::nullopt;
    }
    return record;
}

bool ProblemStore::AddProblemChar(const QString& character, qint64 epochSeconds) const
{
    if (character.isEmpty() || character.front().isSurrogate())
        return false;
    const QString expected(character.front());
    for (const QString& fileName : m_chars.List()) {
        std::optional<ProblemRecord> record = ReadValid(ProblemList::Chars, fileName);
        if (!record || record->Value(names::Char) != expected)
            continue;
        record->SetValue(names::ErrorCount, QString::number(NextErrorCount(*record)));
        return m_chars.Replace(fileName, *record);
    }
    return !m_chars.Add(NewRecord(names::Char, expected, epochSeconds)).isEmpty();
}

bool ProblemStore::AddProblemWord(const QString& word, qint64 epochSeconds) const
{
    // Compared in the form a record keeps, so a word that does not survive UTF-8 unchanged still
    // finds its own older record.
    const QString stripped = QString::fromUtf8(StripProblemWord(word.left(MaxProblemWordLength)).toUtf8());
    if (stripped.isEmpty())
        return false;

    struct Listed
    {
        QString fileName;
        qint64 age;
    };
    QList<Listed> listed;
    for (const QString& fileName : m_words.List()) {
        const std::optional<ProblemRecord> record = ReadValid(ProblemList::Words, fileName);
        if (record && record->Value(names::Word) == stripped && m_words.Remove(fileName))
            continue;
        // A record that cannot be read has no readable time either: it counts as the oldest, so
        // the trim removes it before any readable word.
        listed.append({fileName, record ? AgeOrder(*record) : std::numeric_limits<qint64>::min()});
    }

    QStringList remaining;
    for (const Listed& entry : listed)
        remaining.append(entry.fileName);
    const QString added = m_words.Add(NewRecord(names::Word, stripped, epochSeconds), remaining);
    if (added.isEmpty())
        return false;
    const qint64 now = ProblemTimeOrder(FormatProblemTime(epochSeconds)).value_or(0);
    const auto position = std::find_if(listed.begin(), listed.end(), [&](const Listed& entry) {
        return ProblemRecordFolder::ListsBefore(added, entry.fileName);
    });
    listed.insert(position, {added, now});

    while (listed.size() > MaxProblemWords) {
        auto oldest = listed.end();
        for (auto it = listed.begin(); it != listed.end(); ++it) {
            if (it->age < now && (oldest == listed.end() || it->age < oldest->age))
                oldest = it;
        }
        if (oldest == listed.end() || !m_words.Remove(oldest->fileName))
            break;
        listed.erase(oldest);
    }
    return true;
}

int ProblemStore::Count(ProblemList list) const
{
    return static_cast<int>(Folder(list).List().size());
}

std::optional<ProblemRecord> ProblemStore::ReadProblemEntry(ProblemList list, int index) const
{
    const QStringList fileNames = Folder(list).List();
    if (index < 0 || index >= fileNames.size())
        return std::nullopt;
    return ReadValid(list, fileNames[index]);
}

QList<std::optional<ProblemRecord>> ProblemStore::ReadProblemEntries(ProblemList list) const
{
    QList<std::optional<ProblemRecord>> records;
    for (const QString& fileName : Folder(list).List())
        records.append(ReadValid(list, fileName));
    return records;
}

bool ProblemStore::Clear(ProblemList list) const
{
    bool allRemoved = true;
    for (const QString& fileName : Folder(list).List()) {
        if (!Folder(list).Remove(fileName)) {
            qCWarning(lcProblems) << "Cannot delete" << Folder(list).Path() << fileName;
            allRemoved = false;
        }
    }
    return allRemoved;
}

} // namespace clavora
