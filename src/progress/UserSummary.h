#pragma once

#include <QList>
#include <QString>

namespace clavora {

class UserProfile;

struct UserSummaryLine
{
    QString label; // "Goal WPM: "
    QString value;
};

// The current user's goal, bests and place in the course, as the results view lists them below
// the user name and type.
QList<UserSummaryLine> UpdateUserSummary(const UserProfile& profile);

} // namespace clavora
