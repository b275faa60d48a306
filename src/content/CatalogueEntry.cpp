#include "content/CatalogueEntry.h"

#include "services/XmlNode.h"

namespace clavora {

bool CatalogueEntry::GenerateText(const QStringList&, RandomGenerator&)
{
    return true;
}

int CatalogueEntry::ExerciseKey() const
{
    return ResourceNumberOf(m_key).value_or(0);
}

void CatalogueEntry::SetText(QString text)
{
    m_text = std::move(text);
    m_textReader = {};
    m_previewText.clear();
    m_previewBuilt = false;
}

void CatalogueEntry::MarkLoaded(int ordinal)
{
    m_ordinal = ordinal;
    m_loaded = true;
}

const QString& CatalogueEntry::Text() const
{
    if (m_textReader) {
        m_text = m_textReader(m_textNumber).value_or(QString());
        m_textReader = {};
    }
    return m_text;
}

const QString& CatalogueEntry::PreviewText() const
{
    if (!m_previewBuilt) {
        m_previewText = BuildPreviewText(Text());
        m_previewBuilt = true;
    }
    return m_previewText;
}

QString CatalogueEntry::BuildPreviewText(QStringView text)
{
    QString preview;
    int lines = 0;
    qsizetype start = 0;
    const qsizetype length = text.size();
    while (start < length && lines < PreviewLineCount) {
        qsizetype end = start;
        while (end < length && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        preview += text.mid(start, end - start);
        preview += u"\r\n";
        ++lines;
        // CR LF is one line break; a lone CR or LF is one too.
        if (end < length && text[end] == u'\r' && end + 1 < length && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return preview;
}

std::optional<int> CatalogueEntry::ResourceNumberOf(QStringView key)
{
    if (key.isEmpty() || key.size() > 9)
        return std::nullopt;
    int number = 0;
    for (const QChar c : key) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

bool CatalogueEntry::ParseKeyAndTitle(const XmlNode& element, QStringView keyName)
{
    return element.ReadChildTextFixed(keyName, m_key) && element.ReadChildText(u"title", m_title);
}

bool CatalogueEntry::LoadTextNamedByKey(const EntrySources& sources)
{
    const std::optional<int> number = ResourceNumberOf(m_key);
    if (!number || !sources.resources)
        return false;
    if (sources.resourceExists) {
        if (!sources.resourceExists(*number))
            return false;
        m_text.clear();
        m_textReader = sources.resources;
        m_textNumber = *number;
        return true;
    }
    std::optional<QString> text = sources.resources(*number);
    if (!text)
        return false;
    m_text = std::move(*text);
    return true;
}

} // namespace clavora
