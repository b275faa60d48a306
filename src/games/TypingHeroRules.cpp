#include "games/TypingHeroRules.h"

#include "session/GuideKeyTables.h"

#include <algorithm>
#include <array>

namespace clavora {

namespace {

const std::array<QString, TypingHeroRules::LaneCount> LaneCharacters{
    QStringLiteral("qazQAZ1!"),         QStringLiteral("wsxWSX2@"),
    QStringLiteral("edcEDC3#"),         QStringLiteral("rfvRFV4$tgbTGB5%"),
    QStringLiteral("yhnYHN6^ujmUJM7&"), QStringLiteral("ik,IK<8*"),
    QStringLiteral("ol.OL>9("),         QStringLiteral("p;/P:?0)-_+=[{]}\\|\"'"),
};

struct GradeBand
{
    double below; // the band holds d < below
    int grade;
};

// d <= -0.05 is missed; every band below is half-open at its top.
constexpr std::array<GradeBand, 6> GradeBands{{
    {-0.01, 5},
    {0.01, 6},
    {0.02, 5},
    {0.04, 4},
    {0.08, 3},
    {0.12, 2},
}};

double Percentage(qsizetype part, qsizetype whole)
{
    return whole > 0 ? std::clamp(100.0 * double(part) / double(whole), 0.0, 100.0) : 0.0;
}

} // namespace

int TypingHeroRules::LaneOf(QChar character)
{
    for (int lane = 0; lane < LaneCount; ++lane) {
        if (LaneCharacters[size_t(lane)].contains(character))
            return lane;
    }
    return -1;
}

double TypingHeroRules::LaneX(int lane, double fieldWidth)
{
    if (lane < 0)
        return 0.0;
    return LaneWidth(fieldWidth) * lane + 2.0 + fieldWidth / 6.0;
}

int TypingHeroRules::GradeFor(double d)
{
    if (d <= -0.05)
        return Missed;
    for (const GradeBand& band : GradeBands) {
        if (d < band.below)
            return band.grade;
    }
    return Missed;
}

QString TypingHeroRules::GradeText(int grade)
{
    static const std::array<QString, 6> Texts{
        QStringLiteral("Missed"), QStringLiteral("Poor"),      QStringLiteral("Fair"),
        QStringLiteral("Good"),   QStringLiteral("Excellent"), QStringLiteral("Perfect"),
    };
    if (grade < Missed || grade > Perfect)
        return {};
    return Texts[size_t(grade - 1)];
}

TypingHeroFigures TypingHeroRules::FiguresOf(const QList<int>& judgements, bool completed,
                                             qsizetype textLength)
{
    TypingHeroFigures figures;
    qsizetype good = 0;
    int streak = 0;
    for (const int grade : judgements) {
        if (grade > Missed) {
            ++good;
            figures.longestStreak = std::max(figures.longestStreak, ++streak);
        } else {
            streak = 0;
        }
    }
    figures.completionPercentage = completed ? 100.0 : Percentage(good, textLength);
    figures.accuracy = Percentage(good, judgements.size());
    return figures;
}

double TypingHeroRules::ReleaseIntervalMs(double skillLevel)
{
    return 400.0 / std::max(skillLevel, 0.1);
}

QRectF TypingHeroRules::KeyboardRect(QSizeF window)
{
    const QSizeF picture = GuideKeyTables::KeyboardPictureSize;
    const double lanes = LaneCount * LaneWidth(window.width());
    const double scale =
        std::max(0.1, std::min(lanes / picture.width(), window.height() / 3.0 / picture.height()));
    const QSizeF size = picture * scale;
    return QRectF(QPointF((window.width() - size.width()) / 2.0, window.height() - size.height()), size);
}

} // namespace clavora
