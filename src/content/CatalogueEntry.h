#pragma once

#include "platform/RandomGenerator.h"

#include <functional>
#include <optional>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace clavora {

class XmlNode;

// Gives the text of a numbered built-in text resource, or nothing when there is none.
using TextResourceReader = std::function<std::optional<QString>(int number)>;
// Whether a numbered built-in text resource exists, without reading it.
using TextResourceCheck = std::function<bool(int number)>;

// What entries read besides their XML element.
struct EntrySources
{
    TextResourceReader resources;
    // When given, a text named by a key is only looked for while loading and read on first use:
    // most exercises are never opened in a session.
    TextResourceCheck resourceExists;
    // Custom entries: the folder their exercise files live in (empty when it does not exist), and
    // the names of the regular files in it. Only a file listed there is ever opened.
    QString exerciseFolder;
    QSet<QString> exerciseFiles;
};

// Where a list's entries come from: the root and entry element names, and either the number of the
// built-in catalogue resource or the custom catalogue file with the subfolder of its exercise files.
struct CatalogueFormat
{
    QStringView root;
    QStringView element;
    int resource = 0;
    QStringView customFile;
    QStringView customSubfolder;
};

// One exercise of a catalogue: its key, title, place in the list and the text the user types.
class CatalogueEntry
{
public:
    // Lines of the text shown in the exercise description panels.
    static constexpr int PreviewLineCount = 100;

    CatalogueEntry() = default;
    virtual ~CatalogueEntry() = default;
    Q_DISABLE_COPY_MOVE(CatalogueEntry)

    // Reads the entry from its XML element; false when the element is not a valid entry.
    virtual bool ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources) = 0;
    // Produces the text of an entry whose text is made rather than stored; the others keep theirs.
    virtual bool GenerateText(const QStringList& wordList, RandomGenerator& random);
    // The file an imported entry was made from; entries of one custom list name different files.
    virtual QString FileName() const { return {}; }

    // The key as written in the catalogue, and its number (0 when it is not a number).
    const QString& Key() const { return m_key; }
    int ExerciseKey() const;
    const QString& Title() const { return m_title; }
    // 1-based position among the accepted entries of its list.
    int Ordinal() const { return m_ordinal; }
    const QString& Text() const;
    // Built on first use: most entries are never previewed.
    const QString& PreviewText() const;
    bool IsLoaded() const { return m_loaded; }

    // Replaces the text; the preview follows it.
    void SetText(QString text);
    // Called once the entry has been accepted into its list.
    void MarkLoaded(int ordinal);

    // The first PreviewLineCount lines of the text, each ended by CR LF.
    static QString BuildPreviewText(QStringView text);
    // The resource number a key names: decimal digits only.
    static std::optional<int> ResourceNumberOf(QStringView key);

protected:
    // Reads the key child (cut to the fixed field length) and the title; false when either is
    // missing or empty.
    bool ParseKeyAndTitle(const XmlNode& element, QStringView keyName);
    // Loads the text resource the key names; false when there is none.
    bool LoadTextNamedByKey(const EntrySources& sources);
    void SetKey(const QString& key) { m_key = key; }
    void SetTitle(const QString& title) { m_title = title; }
    void SetOrdinal(int ordinal) { m_ordinal = ordinal; }
    // Sets the text read while parsing.
    void SetLoadedText(QString text) { SetText(std::move(text)); }

private:
    QString m_key;
    QString m_title;
    mutable QString m_text;
    // Reads the text named by the key on first use; empty once read.
    mutable TextResourceReader m_textReader;
    int m_textNumber = 0;
    mutable QString m_previewText;
    mutable bool m_previewBuilt = false;
    int m_ordinal = 0;
    bool m_loaded = false;
};

} // namespace clavora
