#pragma once

#include <array>
#include <functional>
#include <QString>
#include <QStringList>

namespace clavora {

// The nine word lists of the falling-words game, list n holding the words of "<n>letterwords.csv".
// Files are comma-separated with the usual quoting; each field is trimmed of characters up to
// code 32 and every non-empty field is a word, kept exactly as read. A missing, unreadable or
// non-text file leaves its list empty; a huge file is read only up to a limit.
class FlurrixWordLists final
{
public:
    static constexpr int ListCount = 9;
    // Beyond these a file is not a word list any more; reading stops there.
    static constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;
    static constexpr int MaxWordsPerList = 200000;

    // Loads the lists from the folder; stops early (returning false) when shouldStop says so,
    // which it is asked between words and files.
    bool Load(const QString& folder, const std::function<bool()>& shouldStop = {});
    // The fields of one line of a word list, trimmed, empty ones left out.
    static QStringList SplitLine(QStringView line);

    // Lists by word length 1 to 9; an empty list for other lengths.
    const QStringList& ListOfLength(int length) const;
    void SetList(int length, const QStringList& words);
    static QString FileName(int length);

private:
    std::array<QStringList, ListCount> m_lists;
};

} // namespace clavora
