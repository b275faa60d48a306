#pragma once

#include "services/XmlNode.h"

#include <functional>
#include <memory>
#include <QString>
#include <QStringView>
#include <vector>

namespace clavora {

// Asked every 512 characters while a document is read; returning true stops reading at once.
using XmlCancelCheck = std::function<bool()>;

enum class XmlParseStatus
{
    Loaded = 0,     // read without error
    Failed = 1,     // the file is missing, unreadable or cannot be decoded; the tree is empty
    ParseError = 2, // the text has an error: the tree holds what was read around it
    Cancelled = 3,  // the cancel check said stop
};

// A tree of XML nodes read from text or a file, built through the API, and written back to a file.
// The reader is forgiving: elements, attributes, text, character references, comments, CDATA, a
// "?xml" declaration and a DOCTYPE; no validation, namespaces or user-defined entities. All text is
// kept exactly as read, white space included (line breaks are read as LF). Only the first error is
// reported, as "Ln <line>, Col <column>: <message>"; reading recovers and goes on after it.
class XmlDocument final
{
public:
    XmlDocument();
    ~XmlDocument();
    Q_DISABLE_COPY_MOVE(XmlDocument)

    // The nameless root; its children are the top-level nodes (declaration, comments, elements).
    XmlNode& Root() { return *m_root; }
    const XmlNode& Root() const { return *m_root; }
    // The first top-level element that is not a declaration, comment, CDATA or DOCTYPE.
    XmlNode* RootElement() const;

    // Replaces the tree with the one read from the text. errorText (when given) receives the first
    // error or is cleared.
    XmlParseStatus ParseFromText(QStringView text, QString* errorText = nullptr,
                                 const XmlCancelCheck& cancel = {});
    // Reads the whole file, decodes it (UTF-16 with either byte-order mark, UTF-8 with or without
    // its mark, otherwise Windows-1252) and parses it into a fresh tree.
    XmlParseStatus LoadFromFile(const QString& path, QString* errorText = nullptr,
                                const XmlCancelCheck& cancel = {});
    // Writes the tree as UTF-8 without a byte-order mark, atomically: the old file stays as it was
    // unless every byte of the new one was written. False when that failed.
    bool SaveToFile(const QString& path) const;
    // The bytes SaveToFile writes.
    QByteArray Serialise() const;

    // Building. New nodes are appended as the parent's last child and take its preserve-whitespace
    // flag. SetTextChild replaces the element's text children with one holding the text.
    XmlNode* CreateElement(XmlNode* parent, const QString& name);
    XmlNode* AppendText(XmlNode* parent, const QString& text);
    XmlNode* SetTextChild(XmlNode* element, const QString& text);
    // Unlinks a child (and so its subtree) from its parent; false when it is not a child of parent.
    bool RemoveChild(XmlNode* parent, XmlNode* child);

    // Empties the tree (root only, preserve-whitespace on).
    void Clear();

private:
    friend class XmlParser;

    XmlNode* NewNode(XmlNode* parent, XmlNodeKind kind);

    // Nodes are allocated in blocks owned by the document, so neither a deep nor a wide tree is
    // ever freed recursively.
    std::vector<std::unique_ptr<XmlNode[]>> m_blocks;
    qsizetype m_blockSize = 0;
    qsizetype m_usedInBlock = 0;
    XmlNode* m_root = nullptr;
};

} // namespace clavora
