#pragma once

#include <array>
#include <optional>
#include <QString>
#include <QStringList>

namespace clavora {

// The values of one numbered result subkey. An exercise's values are written in this order, from
// Date to Award; games add Score (and Completed), a skipped course step has only Award and
// ExerciseKey.
enum class RecordValue : int
{
    Date,
    Timestamp,
    Duration,
    NumCharacters,
    NumErrors,
    NumCorrections,
    NumWordsTyped,
    ExerciseKey,
    WPMGross,
    WPMNet,
    Title,
    Honors,
    Award,
    Score,
    Completed,
};
inline constexpr int RecordValueCount = static_cast<int>(RecordValue::Completed) + 1;

// The registry name of a record value, e.g. "WPMNet".
QString RecordValueName(RecordValue value);
// Every record value name, in the order of RecordValue.
const QStringList& RecordValueNames();

// One stored result as read back: the subkey's name (its number) and the text of each value.
struct ResultRecord
{
    QString index;
    std::array<std::optional<QString>, RecordValueCount> values;

    bool Has(RecordValue value) const { return values[size_t(value)].has_value(); }
    QString Text(RecordValue value, const QString& defaultValue = QString()) const
    {
        return values[size_t(value)].value_or(defaultValue);
    }
};

} // namespace clavora
