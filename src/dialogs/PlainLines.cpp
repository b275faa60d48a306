#include "dialogs/PlainLines.h"

namespace clavora {

QString PlainLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace clavora
