#pragma once

#include <QList>
#include <QString>

namespace clavora {

class SettingsStore;

struct HighScoreRow
{
    QString user;
    int wpm = 0; // the stored best net speed, truncated
};

// The ranking of every local user by best net speed.
namespace HighScores {

// Every user of the store, best first; equal speeds keep the users' stored order.
QList<HighScoreRow> Load(const SettingsStore& settings);
QList<HighScoreRow> Rank(const QList<HighScoreRow>& inStoredOrder);
// The colour of each row's speed as 0xRRGGBB: red first, then a stepped walk in 8-bit values.
QList<quint32> SpeedColours(qsizetype rowCount);

} // namespace HighScores

} // namespace clavora
