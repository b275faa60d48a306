#pragma once

#include "services/XmlNode.h"

#include <QString>
#include <vector>

namespace clavora::test {

// A one-line picture of a tree, for comparing trees in tests: name[attr=value,...](children...),
// text as 'text' with LF shown as \n. Blank text can be left out, as the writer leaves it out.
// Walks with an explicit stack, so very deep trees can be pictured too.
inline QString Outline(const XmlNode& root, bool withBlankText = true)
{
    QString out;
    struct Frame
    {
        const XmlNode* next;
        bool first;
    };
    std::vector<Frame> open{{root.FirstChild(), true}};
    while (!open.empty()) {
        Frame& frame = open.back();
        const XmlNode* node = frame.next;
        if (!node) {
            open.pop_back();
            if (!open.empty())
                out += u')';
            continue;
        }
        frame.next = node->NextSibling();
        if (node->IsText()) {
            if (!withBlankText && node->Text().trimmed().isEmpty())
                continue;
            if (!frame.first)
                out += u',';
            QString text = node->Text();
            out += u'\'' + text.replace(u'\n', QStringLiteral("\\n")) + u'\'';
        } else {
            if (!frame.first)
                out += u',';
            out += node->Name();
            if (!node->Attributes().isEmpty()) {
                out += u'[';
                for (qsizetype i = 0; i < node->Attributes().size(); ++i) {
                    if (i > 0)
                        out += u',';
                    out += node->Attributes()[i].name + u'=' + node->Attributes()[i].value;
                }
                out += u']';
            }
            if (node->FirstChild()) {
                out += u'(';
                frame.first = false;
                open.push_back({node->FirstChild(), true});
                continue;
            }
        }
        frame.first = false;
    }
    return out;
}

} // namespace clavora::test
