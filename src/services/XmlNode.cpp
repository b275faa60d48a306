#include "services/XmlNode.h"

namespace clavora {

namespace {

XmlNode* FirstNamedFrom(XmlNode* node, QStringView name)
{
    for (; node; node = node->NextSibling()) {
        if (node->IsElement() && node->Name() == name)
            return node;
    }
    return nullptr;
}

} // namespace

QString XmlNode::NodeText() const
{
    if (!m_text.isNull())
        return m_text;
    if (m_firstChild)
        return m_firstChild->m_text;
    return {};
}

XmlNode* XmlNode::FirstChildNamed(QStringView name) const
{
    return FirstNamedFrom(m_firstChild, name);
}

XmlNode* XmlNode::NextNamed(const XmlNode* after, QStringView name)
{
    return after ? FirstNamedFrom(after->m_next, name) : nullptr;
}

bool XmlNode::ReadChildTextFixed(QStringView name, QString& field) const
{
    if (!ReadChildText(name, field))
        return false;
    field.truncate(XmlFixedFieldLength);
    return true;
}

bool XmlNode::ReadChildText(QStringView name, QString& value) const
{
    const XmlNode* child = FirstChildNamed(name);
    value = child ? child->NodeText() : QString();
    return !value.isEmpty();
}

bool XmlNode::HasAttribute(QStringView name) const
{
    for (const XmlAttribute& attribute : m_attributes) {
        if (attribute.name == name)
            return true;
    }
    return false;
}

QString XmlNode::Attribute(QStringView name) const
{
    for (const XmlAttribute& attribute : m_attributes) {
        if (attribute.name == name)
            return attribute.value;
    }
    return {};
}

void XmlNode::AddAttribute(const QString& name, const QString& value)
{
    m_attributes.append({name, value});
}

} // namespace clavora
