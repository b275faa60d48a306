#include "services/XmlWriter.h"

#include "services/XmlNode.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace clavora {

namespace {

const QString LineBreak = u"\r\n"_s;

bool IsBlank(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; });
}

struct ChildSummary
{
    bool hasElement = false;
    bool hasText = false;
};

ChildSummary SummariseChildren(const XmlNode& node)
{
    ChildSummary summary;
    for (const XmlNode* child = node.FirstChild(); child; child = child->NextSibling()) {
        if (child->IsText())
            summary.hasText = summary.hasText || !IsBlank(child->Text());
        else
            summary.hasElement = true;
    }
    return summary;
}

} // namespace

QByteArray XmlWriter::Serialise(const XmlNode& root, int depth)
{
    QString out;
    XmlWriter writer(out);
    for (const XmlNode* node = root.FirstChild(); node; node = node->NextSibling())
        writer.WriteTree(*node, depth);
    return out.toUtf8();
}

void XmlWriter::WriteTree(const XmlNode& top, int depth)
{
    struct Frame
    {
        const XmlNode* node;
        int depth;
        const XmlNode* nextChild;
    };
    if (!WriteStart(top, depth))
        return;
    std::vector<Frame> open{{&top, depth, top.FirstChild()}};
    while (!open.empty()) {
        Frame& frame = open.back();
        const XmlNode* child = frame.nextChild;
        if (!child) {
            WriteEnd(*frame.node, frame.depth);
            open.pop_back();
            continue;
        }
        frame.nextChild = child->NextSibling();
        const int childDepth = frame.depth < 0 ? -1 : frame.depth + 1;
        if (WriteStart(*child, childDepth))
            open.push_back({child, childDepth, child->FirstChild()});
    }
}

bool XmlWriter::WriteStart(const XmlNode& node, int depth)
{
    if (node.IsText()) {
        if (!IsBlank(node.Text()))
            WriteText(node.Text());
        return false;
    }
    if (!node.IsElement())
        return false;
    const QString& name = node.Name();
    WriteTabs(depth);
    m_out += u'<';
    m_out += name;

    const QList<XmlAttribute>& attributes = node.Attributes();
    qsizetype versionWritten = -1;
    if (name == u"?xml") {
        const auto version = std::find_if(attributes.begin(), attributes.end(),
                                          [](const XmlAttribute& a) { return a.name == u"version"; });
        if (version != attributes.end() && !version->value.isEmpty())
            versionWritten = version - attributes.begin();
    }
    const auto writeAttribute = [this](const XmlAttribute& attribute) {
        m_out += u' ';
        m_out += attribute.name;
        m_out += u"=\""_s;
        WriteEscaped(attribute.value);
        m_out += u'"';
    };
    if (versionWritten >= 0)
        writeAttribute(attributes[versionWritten]);
    for (qsizetype i = 0; i < attributes.size(); ++i) {
        if (i != versionWritten)
            writeAttribute(attributes[i]);
    }

    if (name.startsWith(u'!') || name.startsWith(u'?')) {
        if (name.startsWith(u'?')) {
            m_out += u"?>"_s;
        } else {
            for (const XmlNode* child = node.FirstChild(); child; child = child->NextSibling())
                m_out += child->Text();
            m_out += name == u"!--" ? u"-->"_s : name == u"![CDATA[" ? u"]]>"_s : u">"_s;
        }
        if (depth >= 0)
            m_out += LineBreak;
        return false;
    }
    const ChildSummary children = SummariseChildren(node);
    if (!children.hasElement && !children.hasText) {
        m_out += u"/>"_s;
        if (depth >= 0)
            m_out += LineBreak;
        return false;
    }
    m_out += u'>';
    if (children.hasElement && depth >= 0)
        m_out += LineBreak;
    return true;
}

void XmlWriter::WriteEnd(const XmlNode& node, int depth)
{
    if (SummariseChildren(node).hasElement)
        WriteTabs(depth);
    m_out += u"</"_s;
    m_out += node.Name();
    m_out += u'>';
    m_out += LineBreak;
}

// Text node content: escaped, each LF written as CR LF.
void XmlWriter::WriteText(const QString& text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\n')
            continue;
        WriteEscaped(QStringView(text).sliced(start, i - start));
        if (i < text.size())
            m_out += LineBreak;
        start = i + 1;
    }
}

void XmlWriter::WriteEscaped(QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QStringView replacement;
        switch (text[i].unicode()) {
        case u'&':
            replacement = u"&amp;";
            break;
        case u'<':
            replacement = u"&lt;";
            break;
        case u'>':
            replacement = u"&gt;";
            break;
        case u'"':
            replacement = u"&quot;";
            break;
        default:
            continue;
        }
        m_out += text.sliced(start, i - start);
        m_out += replacement;
        start = i + 1;
    }
    m_out += text.sliced(start);
}

void XmlWriter::WriteTabs(int depth)
{
    if (depth > 0)
        m_out += QString(depth, u'\t');
}

} // namespace clavora
