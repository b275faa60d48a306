#include "dialogs/UserTypes.h"

namespace clavora {

QStringList UserTypeNames()
{
    return {QStringLiteral("Kid Boy"),           QStringLiteral("Kid Girl"),
            QStringLiteral("Teen Beginner"),     QStringLiteral("Teen Improving"),
            QStringLiteral("Adult Beginner"),    QStringLiteral("Adult Improving"),
            QStringLiteral("Adult Professional")};
}

} // namespace clavora
