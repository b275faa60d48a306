#include "progress/ResultRecord.h"

namespace clavora {

const QStringList& RecordValueNames()
{
    static const QStringList names = {
        QStringLiteral("Date"),          QStringLiteral("Timestamp"),   QStringLiteral("Duration"),
        QStringLiteral("NumCharacters"), QStringLiteral("NumErrors"),   QStringLiteral("NumCorrections"),
        QStringLiteral("NumWordsTyped"), QStringLiteral("ExerciseKey"), QStringLiteral("WPMGross"),
        QStringLiteral("WPMNet"),        QStringLiteral("Title"),       QStringLiteral("Honors"),
        QStringLiteral("Award"),         QStringLiteral("Score"),       QStringLiteral("Completed"),
    };
    return names;
}

QString RecordValueName(RecordValue value)
{
    return RecordValueNames().at(static_cast<int>(value));
}

} // namespace clavora
