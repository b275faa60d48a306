#include "progress/RevisionTextGenerator.h"

#include "progress/ProblemRecordNames.h"

using namespace Qt::StringLiterals;

namespace clavora {

const QString RevisionTextGenerator::NoProblemWordsText = u"[There are no problem words yet]"_s;
const QString RevisionTextGenerator::NoProblemCharsText = u"[There are no problem characters yet]"_s;
const QString RevisionTextGenerator::ProblemWordsStatus = u"Initializing Problem Words"_s;
const QString RevisionTextGenerator::ProblemCharsStatus = u"Initializing Problem Characters"_s;

namespace {

bool IsCancelled(const RevisionProgress& progress)
{
    return progress.isCancelled && progress.isCancelled();
}

void ReportFraction(const RevisionProgress& progress, double fraction)
{
    if (progress.setFraction)
        progress.setFraction(fraction);
}

void AppendWord(QString& text, const QString& word)
{
    if (!text.isEmpty())
        text.append(u' ');
    text.append(word);
}

} // namespace

RevisionTextGenerator::RevisionTextGenerator(const ProblemStore& store, const QStringList& wordList,
                                             RandomGenerator& random)
    : m_store(store), m_wordList(wordList), m_random(random)
{}

RevisionText RevisionTextGenerator::GenerateProblemWordsText(const RevisionProgress& progress) const
{
    RevisionText result{RevisionKind::ProblemWords, QString(), RevisionStatus::Done};
    const QList<std::optional<ProblemRecord>> entries = m_store.ReadProblemEntries(ProblemList::Words);
    const auto stored = static_cast<int>(entries.size());
    if (stored == 0) {
        result.text = NoProblemWordsText;
        return result;
    }
    // Every stored word gets an equal share of the 50 places; beyond 50 words only the first
    // 50 take part.
    QList<int> pool;
    for (int i = 0; i < WordsTextLength; ++i)
        pool.append(i % stored);
    while (!pool.isEmpty()) {
        if (IsCancelled(progress)) {
            result.status = RevisionStatus::Cancelled;
            return result;
        }
        const qsizetype pick = m_random.Next() % pool.size();
        const std::optional<ProblemRecord>& entry = entries[pool[pick]];
        if (!entry) {
            result.status = RevisionStatus::EntryUnreadable;
            return result;
        }
        AppendWord(result.text, entry->Value(problem_names::Word));
        pool.removeAt(pick);
        ReportFraction(progress, double(WordsTextLength - pool.size()) / WordsTextLength);
    }
    return result;
}

RevisionText RevisionTextGenerator::GenerateProblemCharsText(const RevisionProgress& progress) const
{
    RevisionText result{RevisionKind::ProblemChars, QString(), RevisionStatus::Done};
    const QList<std::optional<ProblemRecord>> entries = m_store.ReadProblemEntries(ProblemList::Chars);
    if (entries.isEmpty()) {
        result.text = NoProblemCharsText;
        return result;
    }
    const auto startsWith = [](const QString& word, QChar letter) {
        return !word.isEmpty() && word.front() == letter;
    };
    int run = 0;
    int total = 0;
    QChar runLetter = u'a';
    for (qsizetype index = 0; index < m_wordList.size() && total < CharsTextMaxWords; ++index) {
        if (IsCancelled(progress)) {
            result.status = RevisionStatus::Cancelled;
            return result;
        }
        // After five words in a run, move past the rest of the words that begin with its letter.
        if (run > 4) {
            while (startsWith(m_wordList[index], runLetter) && index + 1 < m_wordList.size())
                ++index;
            runLetter = m_wordList[index].isEmpty() ? QChar() : m_wordList[index].front();
            run = 0;
        }
        const QString& word = m_wordList[index];
        for (const std::optional<ProblemRecord>& entry : entries) {
            if (!entry) {
                result.status = RevisionStatus::EntryUnreadable;
                return result;
            }
            if (word.contains(entry->Value(problem_names::Char).front())) {
                AppendWord(result.text, word);
                ++run;
                ++total;
                ReportFraction(progress, double(total) / CharsTextMaxWords);
                break;
            }
        }
    }
    return result;
}

RevisionText RevisionTextGenerator::Generate(RevisionKind kind, const RevisionProgress& progress) const
{
    const bool words = kind == RevisionKind::ProblemWords;
    if (progress.setStatus)
        progress.setStatus(words ? ProblemWordsStatus : ProblemCharsStatus);
    ReportFraction(progress, 0.0);
    return words ? GenerateProblemWordsText(progress) : GenerateProblemCharsText(progress);
}

QList<RevisionText> RevisionTextGenerator::RegenerateRevisionTexts(const QList<RevisionKind>& practices,
                                                                   const RevisionProgress& progress) const
{
    QList<RevisionText> texts;
    for (const RevisionKind kind : practices) {
        texts.append(Generate(kind, progress));
        if (texts.last().status == RevisionStatus::Cancelled)
            break;
    }
    return texts;
}

} // namespace clavora
