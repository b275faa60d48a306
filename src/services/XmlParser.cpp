#include "services/XmlParser.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace clavora {

namespace {

constexpr qsizetype CancelCheckInterval = 512;
constexpr int ReferenceNameLength = 23;
// Text runs up to this length are shared through the intern table when they are blank.
constexpr qsizetype InternLength = 32;

const QString SemicolonMessage =
    u"Strings starting with an ampersand (&) must end with a semicolon (;). Either replace the '&' "
    u"with '&amp;' or add a ';' at the end of the control string."_s;
const QString MisplacedLessThanMessage = u"Misplaced < without name. Use &lt; instead of < if appropriate."_s;

bool IsWhitespace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return IsWhitespace(c.unicode()); });
}

QString EndOfTextMessage(const QString& name)
{
    return u"(EOF) Element <%1> should be terminated with </%1>. Check you have terminated your element "
           u"properly."_s.arg(name);
}

// The digits of a numeric reference; characters that are not digits of the base are skipped.
// Nothing when there is no digit at all.
std::optional<char32_t> ParseDigits(QStringView digits, int base)
{
    constexpr char32_t Beyond = 0x110000;
    char32_t value = 0;
    bool any = false;
    for (const QChar ch : digits) {
        const int digit =
            ch.isDigit() && ch.unicode() < 0x80                          ? ch.unicode() - u'0'
            : base == 16 && ch.unicode() >= u'a' && ch.unicode() <= u'f' ? ch.unicode() - u'a' + 10
            : base == 16 && ch.unicode() >= u'A' && ch.unicode() <= u'F' ? ch.unicode() - u'A' + 10
                                                                         : -1;
        if (digit < 0)
            continue;
        any = true;
        value = std::min<char32_t>(value * base + digit, Beyond);
    }
    if (!any)
        return std::nullopt;
    return value;
}

// Code points past the 16-bit range become a surrogate pair rather than a truncated code unit.
void AppendCodePoint(QString& out, char32_t codePoint)
{
    if (codePoint > 0x10FFFF) {
        out.append(QChar::ReplacementCharacter);
    } else if (QChar::requiresSurrogates(codePoint)) {
        out.append(QChar(QChar::highSurrogate(codePoint)));
        out.append(QChar(QChar::lowSurrogate(codePoint)));
    } else {
        out.append(QChar(static_cast<char16_t>(codePoint)));
    }
}

// A numeric reference without digits is an unknown name: a lone ampersand.
void AppendNumericReference(QString& out, std::optional<char32_t> value)
{
    if (value)
        AppendCodePoint(out, *value);
    else
        out.append(u'&');
}

} // namespace

XmlParser::XmlParser(XmlDocument& document, QStringView text, const XmlCancelCheck& cancel)
    : m_document(document), m_cancel(cancel), m_pos(text.data()), m_end(text.data() + text.size()),
      m_nextCancelCheck(CancelCheckInterval)
{}

void XmlParser::Parse()
{
    m_open.push_back(&m_document.Root());
    while (!m_open.empty()) {
        XmlNode* element = m_open.back();
        if (AtEnd()) {
            if (m_cancelled)
                break;
            if (!element->m_name.isNull())
                RecordError(EndOfTextMessage(element->m_name));
            EndElement(element);
            continue;
        }
        const char16_t c = m_pos->unicode();
        if (c == u'<') {
            Next();
            ParseMarkup(element);
        } else if (c == u'&') {
            Next();
            DecodeReference(m_pending);
        } else if (c == u'\r' || c == u'\n') {
            Next();
            m_pending.append(u'\n');
        } else {
            ParseTextRun(m_pending);
        }
    }
    m_open.clear();
}

char16_t XmlParser::Next()
{
    char16_t c = m_pos->unicode();
    ++m_pos;
    if (c == u'\r' || c == u'\n') {
        // CR, LF, CR LF and LF CR are each one line break.
        if (m_pos != m_end) {
            const char16_t following = m_pos->unicode();
            if ((following == u'\r' || following == u'\n') && following != c)
                ++m_pos;
        }
        ++m_line;
        m_column = 1;
        c = u'\n';
    } else {
        ++m_column;
    }
    CountCharacters(1);
    return c;
}

void XmlParser::Advance(qsizetype count)
{
    m_pos += count;
    m_column += count;
    CountCharacters(count);
}

void XmlParser::CountCharacters(qsizetype count)
{
    m_charsRead += count;
    if (m_charsRead < m_nextCancelCheck)
        return;
    m_nextCancelCheck = m_charsRead - m_charsRead % CancelCheckInterval + CancelCheckInterval;
    if (m_cancel && m_cancel()) {
        m_cancelled = true;
        m_end = m_pos;
    }
}

void XmlParser::SkipWhitespace()
{
    while (!AtEnd() && IsWhitespace(m_pos->unicode()))
        Next();
}

void XmlParser::SkipPast(char16_t mark)
{
    while (!AtEnd()) {
        if (Next() == mark)
            return;
    }
}

// Appends the ordinary characters up to the next markup, reference or line break.
void XmlParser::ParseTextRun(QString& out)
{
    const QChar* stop = RunLimit();
    const QChar* p = m_pos;
    while (p != stop) {
        const char16_t c = p->unicode();
        if (c == u'<' || c == u'&' || c == u'\r' || c == u'\n')
            break;
        ++p;
    }
    const qsizetype count = p - m_pos;
    out.append(m_pos, count);
    Advance(count);
}

// After a less-than sign inside the content of `element`.
void XmlParser::ParseMarkup(XmlNode* element)
{
    const QStringView name = ReadToken(TokenKind::TagName);
    if (m_cancelled)
        return;
    if (!name.isEmpty()) {
        FlushPending(element);
        ParseTag(element, name);
        return;
    }
    if (AtEnd() || m_pos->unicode() != u'/') {
        RecordError(MisplacedLessThanMessage);
        EndElement(element);
        return;
    }
    Next();
    const QStringView closing = ReadToken(TokenKind::Name);
    if (m_cancelled)
        return;
    if (element == &m_document.Root()) {
        RecordError(u"Misplaced </%1> which does not match a <%1>."_s.arg(closing));
    } else if (closing != element->m_name) {
        RecordError(u"Element <%1> should be terminated with </%1>, was with %2. Check you have terminated "
                    u"your element properly."_s.arg(element->m_name, closing));
    }
    SkipPast(u'>');
    EndElement(element);
}

void XmlParser::ParseTag(XmlNode* parent, QStringView name)
{
    XmlNode* node = AppendElement(parent, name);
    if (name.front() == u'!') {
        ParseRawContent(node);
        return;
    }
    const bool question = name.front() == u'?';
    // In a question-mark tag the mark before the closing '>' belongs to the "?>" pair.
    const auto beforeClose = [&] { return question && !AtEnd() && m_pos->unicode() == u'>'; };
    if (beforeClose() && name.size() > 1 && name.back() == u'?')
        node->m_name.chop(1);

    bool empty = false;
    for (;;) {
        SkipWhitespace();
        if (AtEnd()) {
            if (!m_cancelled)
                RecordError(u"Tag <%1> does not have a closing '>'"_s.arg(node->m_name));
            return;
        }
        const char16_t c = m_pos->unicode();
        if (c == u'>') {
            Next();
            break;
        }
        if (c == u'/') {
            Next();
            empty = true;
            continue;
        }
        QString attributeName = Intern(ReadToken(TokenKind::Name));
        QString value;
        bool hasValue = false;
        SkipWhitespace();
        if (!AtEnd() && m_pos->unicode() == u'=') {
            Next();
            if (!AtEnd() && IsWhitespace(m_pos->unicode()))
                Next();
            value = ReadToken(TokenKind::Value).toString();
            hasValue = true;
        }
        if (beforeClose()) {
            QString& last = hasValue ? value : attributeName;
            if (last.endsWith(u'?'))
                last.chop(1);
            if (attributeName.isEmpty() && !hasValue)
                continue;
        }
        if (attributeName == u"xml:space")
            node->m_preserveWhitespace = true;
        else
            node->m_attributes.append({attributeName, value});
    }
    if (!empty && !question)
        m_open.push_back(node);
}

// Comment, CDATA or DOCTYPE content, taken raw up to its end marker.
void XmlParser::ParseRawContent(XmlNode* node)
{
    const RawKind kind = node->m_name == u"!--"        ? RawKind::Comment
                         : node->m_name == u"![CDATA[" ? RawKind::CData
                                                       : RawKind::Declaration;
    QString content;
    bool inBrackets = false;
    for (;;) {
        if (AtEnd()) {
            if (m_cancelled)
                return;
            RecordError(EndOfTextMessage(node->m_name));
            break;
        }
        const QChar* stop = RunLimit();
        const QChar* p = m_pos;
        while (p != stop) {
            const char16_t c = p->unicode();
            if (c == u'>' || c == u'[' || c == u']' || c == u'\r' || c == u'\n')
                break;
            ++p;
        }
        if (p != m_pos) {
            content.append(m_pos, p - m_pos);
            Advance(p - m_pos);
            continue;
        }
        const char16_t c = Next();
        if (c == u'>') {
            if (kind == RawKind::Comment && content.endsWith(u"--")) {
                content.chop(2);
                break;
            }
            if (kind == RawKind::CData && content.endsWith(u"]]")) {
                content.chop(2);
                break;
            }
            if (kind == RawKind::Declaration && !inBrackets)
                break;
        } else if (c == u'[') {
            inBrackets = true;
        } else if (c == u']') {
            inBrackets = false;
        }
        content.append(QChar(c));
    }
    AppendTextNode(node, std::move(content));
}

void XmlParser::EndElement(XmlNode* element)
{
    FlushPending(element);
    m_open.pop_back();
}

// After an ampersand: the reference up to its semicolon.
void XmlParser::DecodeReference(QString& out)
{
    std::array<char16_t, ReferenceNameLength> buffer{};
    int length = 0;
    for (;;) {
        if (AtEnd()) {
            RecordError(SemicolonMessage);
            return;
        }
        const char16_t c = Next();
        if (c == u';')
            break;
        if (c == 0 || IsWhitespace(c) || length == ReferenceNameLength) {
            RecordError(SemicolonMessage);
            return;
        }
        buffer[length++] = c;
    }
    const QStringView name(buffer.data(), length);
    if (name == u"amp") {
        out.append(u'&');
    } else if (name == u"gt") {
        out.append(u'>');
    } else if (name == u"lt") {
        out.append(u'<');
    } else if (name == u"quot") {
        out.append(u'"');
    } else if (name == u"apos") {
        out.append(u'\'');
    } else if (name.startsWith(u"#x") || name.startsWith(u"#X")) {
        AppendNumericReference(out, ParseDigits(name.sliced(2), 16));
    } else if (name.startsWith(u'#')) {
        AppendNumericReference(out, ParseDigits(name.sliced(1), 10));
    } else {
        out.append(u'&');
    }
}

// A tag name, attribute name or attribute value. It ends at white space, '/', '=', '>' or the end of
// the text, except inside quotes (which are dropped); references are decoded; it is cut to
// XmlFixedFieldLength. The view stays valid until the next token is read.
QStringView XmlParser::ReadToken(TokenKind kind)
{
    m_token.resize(0);
    // Comment and CDATA names end after their opening marks, so their content is never a name.
    bool watchMarkup = kind == TokenKind::TagName && !AtEnd() && m_pos->unicode() == u'!';
    char16_t quote = 0;
    while (!AtEnd()) {
        const char16_t c = m_pos->unicode();
        if (quote) {
            if (c == quote) {
                Next();
                quote = 0;
                continue;
            }
        } else {
            if (IsWhitespace(c) || c == u'/' || c == u'=' || c == u'>')
                break;
            if (c == u'"' || c == u'\'') {
                Next();
                quote = c;
                continue;
            }
        }
        if (c == u'&') {
            Next();
            DecodeReference(m_token);
            continue;
        }
        if (c == u'\r' || c == u'\n' || watchMarkup) {
            const QChar read(Next());
            AppendLimited(m_token, &read, 1);
            if (watchMarkup && (m_token == u"!--" || m_token == u"![CDATA["))
                break;
            watchMarkup = watchMarkup && m_token.size() < 8;
            continue;
        }
        const QChar* stop = RunLimit();
        const QChar* p = m_pos + 1;
        while (p != stop) {
            const char16_t next = p->unicode();
            const bool ends = quote ? next == quote
                                    : IsWhitespace(next) || next == u'/' || next == u'=' || next == u'>' ||
                                          next == u'"' || next == u'\'';
            if (ends || next == u'&' || next == u'\r' || next == u'\n')
                break;
            ++p;
        }
        AppendLimited(m_token, m_pos, p - m_pos);
        Advance(p - m_pos);
    }
    m_token.truncate(XmlFixedFieldLength);
    return m_token;
}

void XmlParser::AppendLimited(QString& out, const QChar* data, qsizetype count)
{
    const qsizetype room = XmlFixedFieldLength - out.size();
    if (room > 0)
        out.append(data, std::min(count, room));
}

void XmlParser::FlushPending(XmlNode* element)
{
    if (m_pending.isEmpty())
        return;
    if (m_pending.size() <= InternLength && IsBlank(m_pending))
        AppendTextNode(element, Intern(m_pending));
    else
        AppendTextNode(element, QString(m_pending.constData(), m_pending.size()));
    m_pending.resize(0);
}

XmlNode* XmlParser::AppendElement(XmlNode* parent, QStringView name)
{
    XmlNode* node = m_document.NewNode(parent, XmlNodeKind::Element);
    node->m_name = Intern(name);
    return node;
}

void XmlParser::AppendTextNode(XmlNode* parent, QString&& text)
{
    XmlNode* node = m_document.NewNode(parent, XmlNodeKind::Text);
    node->m_text = std::move(text);
}

QString XmlParser::Intern(QStringView text)
{
    if (text.isEmpty())
        return u""_s;
    if (text.size() > InternLength)
        return text.toString();
    const std::size_t slot =
        (static_cast<std::size_t>(text.size()) * 31 + text.front().unicode() * 7 + text.back().unicode()) %
        m_interned.size();
    QString& entry = m_interned[slot];
    if (entry != text)
        entry = text.toString();
    return entry;
}

void XmlParser::RecordError(const QString& message)
{
    if (m_cancelled || HasError())
        return;
    m_error = u"Ln %1, Col %2: %3"_s.arg(m_line).arg(m_column).arg(message);
}

} // namespace clavora
