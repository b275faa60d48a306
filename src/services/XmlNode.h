#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace clavora {

class XmlDocument;

// Longest name, attribute value or fixed catalogue field, in UTF-16 code units.
inline constexpr qsizetype XmlFixedFieldLength = 259;

struct XmlAttribute
{
    QString name;
    QString value;
};

enum class XmlNodeKind
{
    Document,
    Element,
    Text
};

// One node of an XmlDocument. Element covers every tag, including the markup nodes whose name keeps
// its leading character: "?xml" (declaration), "!--" (comment), "![CDATA[" and "!DOCTYPE"; a markup
// node holds its raw content as its single text child. Nodes belong to their document: they are
// created and removed through it and live as long as it does.
class XmlNode final
{
public:
    XmlNode() = default;
    Q_DISABLE_COPY_MOVE(XmlNode)

    XmlNodeKind Kind() const { return m_kind; }
    bool IsElement() const { return m_kind == XmlNodeKind::Element; }
    bool IsText() const { return m_kind == XmlNodeKind::Text; }

    // Null for text nodes and the document root.
    const QString& Name() const { return m_name; }
    // Set on text nodes only.
    const QString& Text() const { return m_text; }
    bool PreservesWhitespace() const { return m_preserveWhitespace; }

    XmlNode* FirstChild() const { return m_firstChild; }
    XmlNode* LastChild() const { return m_lastChild; }
    XmlNode* NextSibling() const { return m_next; }

    // The node's own text if it has one, else its first child's text, else empty.
    QString NodeText() const;

    // Children by exact, case-sensitive name, in document order: the first, then the next sibling
    // after `after` with the same name. Null when there is none.
    XmlNode* FirstChildNamed(QStringView name) const;
    static XmlNode* NextNamed(const XmlNode* after, QStringView name);

    // Iterates the children with a given name: for (XmlNode* entry : node.ChildrenNamed(u"practice")).
    class NamedRange;
    NamedRange ChildrenNamed(QStringView name) const;

    // Catalogue lookups: the text of the child with the given name. Both fail (and clear the field)
    // when the child is missing or its text is empty; the fixed variant cuts the text to
    // XmlFixedFieldLength code units.
    bool ReadChildTextFixed(QStringView name, QString& field) const;
    bool ReadChildText(QStringView name, QString& value) const;

    // Attributes in the order they were read or added.
    const QList<XmlAttribute>& Attributes() const { return m_attributes; }
    bool HasAttribute(QStringView name) const;
    // The value of the first attribute with that name; empty when there is none.
    QString Attribute(QStringView name) const;
    void AddAttribute(const QString& name, const QString& value);

private:
    friend class XmlDocument;
    friend class XmlParser;

    XmlNode* m_next = nullptr;
    XmlNode* m_firstChild = nullptr;
    // Kept so that appending a child is constant time, even with many siblings.
    XmlNode* m_lastChild = nullptr;
    QString m_name;
    QString m_text;
    QList<XmlAttribute> m_attributes;
    XmlNodeKind m_kind = XmlNodeKind::Element;
    bool m_preserveWhitespace = false;
};

class XmlNode::NamedRange final
{
public:
    class Iterator final
    {
    public:
        Iterator(XmlNode* node, QStringView name) : m_node(node), m_name(name) {}
        XmlNode* operator*() const { return m_node; }
        Iterator& operator++()
        {
            m_node = XmlNode::NextNamed(m_node, m_name);
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_node == other.m_node; }

    private:
        XmlNode* m_node;
        QStringView m_name;
    };

    NamedRange(XmlNode* first, QStringView name) : m_first(first), m_name(name) {}
    Iterator begin() const { return {m_first, m_name}; }
    Iterator end() const { return {nullptr, m_name}; }

private:
    XmlNode* m_first;
    QStringView m_name;
};

inline XmlNode::NamedRange XmlNode::ChildrenNamed(QStringView name) const
{
    return {FirstChildNamed(name), name};
}

} // namespace clavora
