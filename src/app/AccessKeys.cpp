#include "app/AccessKeys.h"

#include "app/CommandTables.h"

#include <Qt>

namespace clavora::AccessKeys {

namespace {

// Positions of the first letter of each word, in order.
QList<qsizetype> WordStarts(const QString& label)
{
    QList<qsizetype> starts;
    bool inWord = false;
    for (qsizetype i = 0; i < label.size(); ++i) {
        const bool letter = label.at(i).isLetterOrNumber();
        if (letter && !inWord)
            starts.append(i);
        inWord = letter;
    }
    return starts;
}

} // namespace

QStringList Mark(const QStringList& labels, const QString& reserved)
{
    QString used = reserved.toLower();
    QList<qsizetype> chosen(labels.size(), -1);
    const auto take = [&](qsizetype row, qsizetype at) {
        const QChar key = labels.at(row).at(at).toLower();
        if (chosen.at(row) >= 0 || !key.isLetterOrNumber() || used.contains(key))
            return false;
        chosen[row] = at;
        used += key;
        return true;
    };
    // First words first, so a later label cannot take the letter an earlier one would have lost.
    for (qsizetype row = 0; row < labels.size(); ++row) {
        if (!labels.at(row).isEmpty())
            take(row, WordStarts(labels.at(row)).value(0, 0));
    }
    for (qsizetype row = 0; row < labels.size(); ++row) {
        const QString& label = labels.at(row);
        for (const qsizetype start : WordStarts(label)) {
            if (take(row, start))
                break;
        }
        for (qsizetype at = 0; at < label.size() && chosen.at(row) < 0; ++at)
            take(row, at);
    }
    QStringList marked;
    marked.reserve(labels.size());
    for (qsizetype row = 0; row < labels.size(); ++row) {
        QString label = labels.at(row);
        const qsizetype at = chosen.at(row);
        QString text;
        for (qsizetype i = 0; i < label.size(); ++i) {
            if (i == at)
                text += u'&';
            text += label.at(i);
            if (label.at(i) == u'&')
                text += u'&';
        }
        marked.append(text);
    }
    return marked;
}

QString AltAcceleratorLetters()
{
    QString letters;
    for (const CommandTables::Accelerator& accelerator : CommandTables::Accelerators()) {
        const bool letter = (accelerator.key >= Qt::Key_A && accelerator.key <= Qt::Key_Z) ||
                            (accelerator.key >= Qt::Key_0 && accelerator.key <= Qt::Key_9);
        if (letter && accelerator.modifiers == CommandTables::Alt)
            letters += QChar(accelerator.key).toLower();
    }
    return letters;
}

} // namespace clavora::AccessKeys
