#pragma once

#include <QByteArray>
#include <QString>

namespace clavora {

class XmlNode;

// Serialises a document's top-level nodes without indentation: UTF-8, no byte-order mark, CR LF
// after every closing tag and standalone markup node, blank text left out, & < > " escaped in
// text and attribute values. Works with an explicit stack, so any nesting depth can be saved.
class XmlWriter final
{
public:
    // depth -1 writes without indentation, as files are saved; 0 or more indents child elements
    // with one tab per level and breaks the line after opening tags that hold elements.
    static QByteArray Serialise(const XmlNode& root, int depth = -1);

private:
    explicit XmlWriter(QString& out) : m_out(out) {}

    void WriteTree(const XmlNode& top, int depth);
    // Writes the start of a node; true when its children follow and its closing tag is still due.
    bool WriteStart(const XmlNode& node, int depth);
    void WriteEnd(const XmlNode& node, int depth);
    void WriteText(const QString& text);
    void WriteEscaped(QStringView text);
    void WriteTabs(int depth);

    QString& m_out;
};

} // namespace clavora
