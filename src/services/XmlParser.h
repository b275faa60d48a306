#pragma once

#include "services/XmlDocument.h"

#include <algorithm>
#include <array>
#include <QString>
#include <QStringView>
#include <vector>

namespace clavora {

// Reads XML text into an XmlDocument's (empty) tree. Open elements are kept on an explicit stack,
// so nesting depth is limited by memory only, never by the call stack.
class XmlParser final
{
public:
    XmlParser(XmlDocument& document, QStringView text, const XmlCancelCheck& cancel);
    Q_DISABLE_COPY_MOVE(XmlParser)

    void Parse();

    bool WasCancelled() const { return m_cancelled; }
    bool HasError() const { return !m_error.isNull(); }
    // "Ln <line>, Col <column>: <message>" of the first error, or null.
    const QString& ErrorText() const { return m_error; }

private:
    enum class TokenKind
    {
        TagName,
        Name,
        Value
    };
    enum class RawKind
    {
        Comment,
        CData,
        Declaration
    };

    bool AtEnd() const { return m_pos == m_end; }
    char16_t Next();
    void Advance(qsizetype count);
    void CountCharacters(qsizetype count);
    // Where a run of characters read in bulk must stop: the end, or the next cancel check.
    const QChar* RunLimit() const
    {
        return m_pos + std::min<qsizetype>(m_end - m_pos, m_nextCancelCheck - m_charsRead);
    }
    void SkipWhitespace();
    void SkipPast(char16_t mark);

    void ParseTextRun(QString& out);
    void ParseMarkup(XmlNode* element);
    void ParseTag(XmlNode* parent, QStringView name);
    void ParseRawContent(XmlNode* node);
    void EndElement(XmlNode* element);
    void DecodeReference(QString& out);
    QStringView ReadToken(TokenKind kind);
    void AppendLimited(QString& out, const QChar* data, qsizetype count);

    void FlushPending(XmlNode* element);
    XmlNode* AppendElement(XmlNode* parent, QStringView name);
    void AppendTextNode(XmlNode* parent, QString&& text);
    QString Intern(QStringView text);
    void RecordError(const QString& message);

    XmlDocument& m_document;
    const XmlCancelCheck& m_cancel;
    const QChar* m_pos;
    const QChar* m_end;
    qsizetype m_line = 1;
    qsizetype m_column = 1;
    qsizetype m_charsRead = 0;
    qsizetype m_nextCancelCheck;
    bool m_cancelled = false;
    QString m_error;

    std::vector<XmlNode*> m_open;
    QString m_pending;
    QString m_token;
    // Names and blank runs repeat all through a catalogue; sharing one copy saves an allocation each.
    std::array<QString, 64> m_interned;
};

} // namespace clavora
