#include "progress/UserSummary.h"

#include "settings/UserProfile.h"

namespace clavora {

QList<UserSummaryLine> UpdateUserSummary(const UserProfile& profile)
{
    const double bestWpm = profile.Get(Profile::BestWPM);
    return {
        {QStringLiteral("Goal WPM: "), QString::asprintf("%d", profile.Get(Profile::GoalWPM))},
        {QStringLiteral("Best Speed: "), QString::asprintf("%.2f WPM / %.2f KPH", bestWpm, bestWpm * 300.0)},
        {QStringLiteral("Best Accuracy: "), QString::asprintf("%.2f", profile.Get(Profile::BestAccuracy))},
        {QStringLiteral("Last Exercise: "), profile.Get(Profile::LastExercise)},
        {QStringLiteral("Next Exercise: "), profile.Get(Profile::NextExercise)},
    };
}

} // namespace clavora
