#include "progress/HighScores.h"

#include "settings/SettingsStore.h"

#include <cmath>

namespace clavora::HighScores {

namespace {

int WholeSpeed(double wpm)
{
    if (!std::isfinite(wpm) || wpm <= 0.0)
        return 0;
    return wpm >= 1e9 ? 1000000000 : int(wpm);
}

} // namespace

QList<HighScoreRow> Load(const SettingsStore& settings)
{
    QList<HighScoreRow> rows;
    for (const QString& user : settings.UserNames()) {
        const double best = settings.ReadReal(SettingsStore::UserKey(user) + QStringLiteral("\\Results"),
                                              QStringLiteral("BestWPM"));
        rows.append({user, WholeSpeed(best)});
    }
    return Rank(rows);
}

QList<HighScoreRow> Rank(const QList<HighScoreRow>& inStoredOrder)
{
    QList<HighScoreRow> ranked;
    for (const HighScoreRow& row : inStoredOrder) {
        qsizetype at = 0;
        while (at < ranked.size() && ranked[at].wpm >= row.wpm)
            ++at;
        ranked.insert(at, row);
    }
    return ranked;
}

QList<quint32> SpeedColours(qsizetype rowCount)
{
    QList<quint32> colours;
    quint8 red = 255;
    quint8 green = 0;
    quint8 blue = 0;
    int step = 10;
    for (qsizetype row = 0; row < rowCount; ++row) {
        colours.append(quint32(red) << 16 | quint32(green) << 8 | blue);
        green = quint8(green + step);
        blue = quint8(blue + step);
        red = quint8(red - 20);
        if (green >= 60 && blue >= 60)
            step = -step;
    }
    return colours;
}

} // namespace clavora::HighScores
