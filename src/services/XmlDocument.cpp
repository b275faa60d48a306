#include "services/XmlDocument.h"

#include "platform/TextDecoding.h"
#include "services/XmlParser.h"
#include "services/XmlWriter.h"

#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace clavora {

namespace {

Q_LOGGING_CATEGORY(lcXml, "clavora.xml")

constexpr qsizetype FirstBlockSize = 16;
// Blocks stay below the size at which malloc maps fresh pages for each one.
constexpr qsizetype LargestBlockSize = 512;

void SetError(QString* errorText, const QString& message)
{
    if (errorText)
        *errorText = message;
}

// A file marked as UTF-16 must hold whole code units; an odd byte count means it was cut short
// or is not UTF-16 at all.
bool IsTruncatedUtf16(const QByteArray& bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 == 0)
        return false;
    const auto first = static_cast<unsigned char>(bytes[0]);
    const auto second = static_cast<unsigned char>(bytes[1]);
    return (first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF);
}

} // namespace

XmlDocument::XmlDocument()
{
    Clear();
}

XmlDocument::~XmlDocument() = default;

void XmlDocument::Clear()
{
    m_blocks.clear();
    m_blockSize = 0;
    m_usedInBlock = 0;
    m_root = NewNode(nullptr, XmlNodeKind::Document);
    m_root->m_preserveWhitespace = true;
}

XmlNode* XmlDocument::NewNode(XmlNode* parent, XmlNodeKind kind)
{
    if (m_blocks.empty() || m_usedInBlock == m_blockSize) {
        m_blockSize = m_blocks.empty() ? FirstBlockSize : std::min(m_blockSize * 2, LargestBlockSize);
        m_blocks.push_back(std::make_unique<XmlNode[]>(static_cast<std::size_t>(m_blockSize)));
        m_usedInBlock = 0;
    }
    XmlNode* node = &m_blocks.back()[static_cast<std::size_t>(m_usedInBlock++)];
    node->m_kind = kind;
    if (parent) {
        node->m_preserveWhitespace = parent->m_preserveWhitespace;
        if (parent->m_lastChild)
            parent->m_lastChild->m_next = node;
        else
            parent->m_firstChild = node;
        parent->m_lastChild = node;
    }
    return node;
}

XmlNode* XmlDocument::RootElement() const
{
    for (XmlNode* node = m_root->FirstChild(); node; node = node->NextSibling()) {
        if (node->IsElement() && !node->Name().startsWith(u'?') && !node->Name().startsWith(u'!'))
            return node;
    }
    return nullptr;
}

XmlParseStatus XmlDocument::ParseFromText(QStringView text, QString* errorText, const XmlCancelCheck& cancel)
{
    Clear();
    XmlParser parser(*this, text, cancel);
    parser.Parse();
    SetError(errorText, parser.HasError() ? parser.ErrorText() : QString());
    if (parser.WasCancelled() || (cancel && cancel()))
        return XmlParseStatus::Cancelled;
    return parser.HasError() ? XmlParseStatus::ParseError : XmlParseStatus::Loaded;
}

XmlParseStatus XmlDocument::LoadFromFile(const QString& path, QString* errorText,
                                         const XmlCancelCheck& cancel)
{
    Clear();
    SetError(errorText, QString());
    if (!QFileInfo::exists(path)) {
        SetError(errorText, u"File does not exist: %1"_s.arg(path));
        return XmlParseStatus::Failed;
    }
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        SetError(errorText, u"Not enough memory available to load %1"_s.arg(path));
        return XmlParseStatus::Failed;
    }
    file.close();
    if (cancel && cancel())
        return XmlParseStatus::Cancelled;
    if (IsTruncatedUtf16(bytes)) {
        SetError(errorText, u"Cannot open xml file: %1"_s.arg(path));
        return XmlParseStatus::Failed;
    }
    return ParseFromText(DecodeTextFile(bytes).text, errorText, cancel);
}

QByteArray XmlDocument::Serialise() const
{
    return XmlWriter::Serialise(*m_root);
}

bool XmlDocument::SaveToFile(const QString& path) const
{
    const QByteArray bytes = Serialise();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcXml) << "Cannot create" << path << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        qCWarning(lcXml) << "Cannot write" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcXml) << "Cannot replace" << path << file.errorString();
        return false;
    }
    return true;
}

XmlNode* XmlDocument::CreateElement(XmlNode* parent, const QString& name)
{
    XmlNode* node = NewNode(parent, XmlNodeKind::Element);
    node->m_name = name;
    return node;
}

XmlNode* XmlDocument::AppendText(XmlNode* parent, const QString& text)
{
    XmlNode* node = NewNode(parent, XmlNodeKind::Text);
    node->m_text = text;
    return node;
}

XmlNode* XmlDocument::SetTextChild(XmlNode* element, const QString& text)
{
    XmlNode* kept = nullptr;
    for (XmlNode* child = element->m_firstChild; child;) {
        XmlNode* next = child->m_next;
        if (child->IsText()) {
            if (kept)
                RemoveChild(element, child);
            else
                kept = child;
        }
        child = next;
    }
    if (!kept)
        return AppendText(element, text);
    kept->m_text = text;
    return kept;
}

bool XmlDocument::RemoveChild(XmlNode* parent, XmlNode* child)
{
    XmlNode* previous = nullptr;
    for (XmlNode* node = parent->m_firstChild; node; previous = node, node = node->m_next) {
        if (node != child)
            continue;
        (previous ? previous->m_next : parent->m_firstChild) = node->m_next;
        if (parent->m_lastChild == node)
            parent->m_lastChild = previous;
        node->m_next = nullptr;
        return true;
    }
    return false;
}

} // namespace clavora
