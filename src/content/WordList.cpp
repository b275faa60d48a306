#include "content/WordList.h"

#include "services/XmlNode.h"

namespace clavora {

QStringList SplitWordList(QStringView text)
{
    QStringList words;
    qsizetype start = 0;
    const qsizetype length = text.size();
    while (start < length) {
        qsizetype end = start;
        while (end < length && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        if (end > start)
            words.append(text.mid(start, std::min(end - start, XmlFixedFieldLength)).toString());
        // A pair of different break characters is one line break.
        if (end + 1 < length && text[end + 1] != text[end] &&
            (text[end + 1] == u'\r' || text[end + 1] == u'\n'))
            ++end;
        start = end + 1;
    }
    return words;
}

} // namespace clavora
