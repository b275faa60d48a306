#include "content/CustomImport.h"

#include "content/ContentLog.h"
#include "content/CustomDictationEntry.h"
#include "content/CustomPracticeEntry.h"
#include "content/CustomSpeedTestEntry.h"
#include "content/ExerciseCatalogue.h"
#include "platform/TextDecoding.h"
#include "services/XmlDocument.h"

#include <array>
#include <limits>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace clavora {

namespace {

constexpr qsizetype MaxFileNameLength = 259;
constexpr qint64 CopyChunkBytes = 256 * 1024;

const std::array<ImportKindInfo, 3> Kinds = {{
    {u"Custom practice exercise", u"Practice", u".txt", CustomPracticeEntry::Format,
     ExerciseCatalogue::PracticeTemplateResource, 500, Profile::NewCustomPracticeImported},
    {u"Custom speed test", u"SpeedTest", u".txt", CustomSpeedTestEntry::Format,
     ExerciseCatalogue::SpeedTestTemplateResource, 600, Profile::NewCustomSpeedTestImported},
    {u"Custom dictation", u"Dictations", u".mp3", CustomDictationEntry::Format,
     ExerciseCatalogue::DictationTemplateResource, 1100, Profile::NewCustomDictationImported},
}};

const QString TemplateMissing = QStringLiteral("XML custom exercise definition file missing or corrupt");
const QString CatalogueCorrupt = QStringLiteral("XML custom definition file missing or corrupt");

CustomImport::Outcome Refusal(const QString& title, const QString& text)
{
    return {CustomImport::Outcome::Status::RefusedFile, title, text, {}};
}

CustomImport::Outcome Failure(const ImportKindInfo& info, const QString& reason)
{
    return {CustomImport::Outcome::Status::Failed,
            QStringLiteral("Import Custom %1").arg(info.fileTypeLabel),
            QStringLiteral("Import failed - %1").arg(reason),
            {}};
}

// Copies through a temporary file that is renamed into place only when every byte arrived.
bool CopyWhole(const QString& from, const QString& to, QString& reason)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        reason = source.errorString();
        return false;
    }
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) {
        reason = target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(CopyChunkBytes);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            reason = source.errorString();
            target.cancelWriting();
            return false;
        }
        if (target.write(chunk) != chunk.size()) {
            reason = target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (!target.commit()) {
        reason = target.errorString();
        return false;
    }
    return true;
}

XmlNode* TextChild(XmlDocument& document, XmlNode* parent, const QString& name, const QString& text)
{
    XmlNode* element = document.CreateElement(parent, name);
    document.AppendText(element, text);
    return element;
}

// The key of the new entry: the catalogue's counter, but never one an entry already holds (a file
// edited by hand may lag behind its entries) and never below the kind's first key.
std::optional<int> NewKey(const XmlNode& root, const ImportKindInfo& info)
{
    qint64 key = info.firstKey;
    if (const XmlNode* counter = root.FirstChildNamed(u"nextkey")) {
        bool ok = false;
        const int stored = counter->NodeText().trimmed().toInt(&ok);
        if (ok)
            key = std::max<qint64>(key, stored);
    }
    for (const XmlNode* entry : root.ChildrenNamed(info.format.element)) {
        if (const XmlNode* keyNode = entry->FirstChildNamed(u"key")) {
            bool ok = false;
            const int existing = keyNode->NodeText().trimmed().toInt(&ok);
            if (ok)
                key = std::max<qint64>(key, qint64(existing) + 1);
        }
    }
    if (key >= std::numeric_limits<int>::max())
        return std::nullopt;
    return int(key);
}

} // namespace

const QString CustomImport::DialogTitle = QStringLiteral("Import Custom Exercise");

const ImportKindInfo& CustomImport::Info(ImportKind kind)
{
    return Kinds[static_cast<size_t>(kind)];
}

CustomImport::CustomImport(const ExerciseCatalogue& catalogue) : m_catalogue(catalogue) {}

bool CustomImport::IsAcceptableFile(ImportKind kind, const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || QStringView(fileName).mid(dot) != Info(kind).extension)
        return false;
    const QFileInfo file(path);
    return file.exists() && file.isFile();
}

std::optional<QString> CustomImport::CheckContents(ImportKind kind, const QString& path, QString& title) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) {
        title = QStringLiteral("Empty file");
        return QStringLiteral("Could not load exercise");
    }
    if (kind == ImportKind::Dictation)
        return std::nullopt;
    title = DialogTitle;
    if (file.size() > MaxTextFileBytes)
        return QStringLiteral("This file is larger than 1 MB. Please choose a shorter text.");
    const DecodedText decoded = DecodeTextFile(file.readAll());
    if (decoded.text.contains(QChar(u'\0')) || decoded.text.trimmed().isEmpty())
        return QStringLiteral("This file does not hold plain text. Please choose a text (.txt) file.");
    return std::nullopt;
}

CustomImport::Outcome CustomImport::Import(ImportKind kind, const QString& path) const
{
    const ImportKindInfo& info = Info(kind);
    if (!IsAcceptableFile(kind, path))
        return Refusal(DialogTitle, QStringLiteral("Please select a valid %1 file.").arg(info.extension));
    QString refusalTitle;
    if (const std::optional<QString> problem = CheckContents(kind, path, refusalTitle))
        return Refusal(refusalTitle, *problem);

    // The catalogue with its new entry, prepared before anything is written.
    const QString cataloguePath = m_catalogue.Custom().FilePath(info.format.customFile);
    XmlDocument document;
    if (QFileInfo::exists(cataloguePath)) {
        if (document.LoadFromFile(cataloguePath) != XmlParseStatus::Loaded)
            return Failure(info, CatalogueCorrupt);
    } else {
        const std::optional<QString> text = m_catalogue.LoadTextResource(info.templateResource);
        if (!text || document.ParseFromText(*text) != XmlParseStatus::Loaded)
            return Failure(info, TemplateMissing);
    }
    XmlNode* root = document.RootElement();
    if (!root || root->Name() != info.format.root)
        return Failure(info, CatalogueCorrupt);
    const std::optional<int> key = NewKey(*root, info);
    if (!key)
        return Failure(info, QStringLiteral("no exercise number is left in the list"));
    const QString keyText = QString::number(*key);
    const QString fileName = QFileInfo(path).fileName().left(MaxFileNameLength);
    if (XmlNode* counter = root->FirstChildNamed(u"nextkey"))
        document.SetTextChild(counter, QString::number(*key + 1));
    else
        TextChild(document, root, QStringLiteral("nextkey"), QString::number(*key + 1));
    XmlNode* entry = document.CreateElement(root, info.format.element.toString());
    TextChild(document, entry, QStringLiteral("key"), keyText);
    TextChild(document, entry, QStringLiteral("filename"), fileName);
    TextChild(document, entry, QStringLiteral("title"),
              kind == ImportKind::Dictation ? QStringLiteral("custom-%1").arg(keyText) : fileName);
    TextChild(document, entry, QStringLiteral("category"), QStringLiteral("Custom"));

    // The file first: the catalogue is only written once its exercise is in place.
    const QString folder = m_catalogue.Custom().Subfolder(info.fileTypeLabel);
    if (!m_catalogue.Custom().Create() || !QDir().mkpath(folder))
        return Failure(
            info, QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder)));
    const QString storedName = kind == ImportKind::Dictation ? keyText + QStringLiteral(".mp3") : fileName;
    QString reason;
    if (!CopyWhole(path, QDir(folder).filePath(storedName), reason))
        return Failure(info, QStringLiteral("the file could not be copied (%1)").arg(reason));
    if (!document.SaveToFile(cataloguePath))
        return Failure(info, QStringLiteral("the list of custom exercises could not be saved"));
    qCInfo(lcContent) << "imported" << path << "as" << info.fileTypeLabel << keyText;
    return {Outcome::Status::Imported, {}, {}, keyText};
}

bool CustomImport::RemoveCustomPractice(const QString& fileName) const
{
    if (!CustomFolder::IsPlainFileName(fileName))
        return false;
    const CatalogueFormat& format = CustomPracticeEntry::Format;
    const QString file = QDir(m_catalogue.Custom().Subfolder(format.customSubfolder)).filePath(fileName);
    if (QFileInfo(file).isFile() && !QFile::remove(file)) {
        qCWarning(lcContent) << "cannot delete" << file;
        return false;
    }
    const QString cataloguePath = m_catalogue.Custom().FilePath(format.customFile);
    XmlDocument document;
    if (document.LoadFromFile(cataloguePath) != XmlParseStatus::Loaded)
        return false;
    XmlNode* root = document.RootElement();
    if (!root || root->Name() != format.root)
        return false;
    QList<XmlNode*> matching;
    for (XmlNode* entry : root->ChildrenNamed(format.element)) {
        const XmlNode* name = entry->FirstChildNamed(u"filename");
        if (name && name->NodeText().compare(fileName, Qt::CaseInsensitive) == 0)
            matching.append(entry);
    }
    for (XmlNode* entry : matching)
        document.RemoveChild(root, entry);
    return document.SaveToFile(cataloguePath);
}

} // namespace clavora
