#pragma once

#include <QStringList>
#include <QStringView>

namespace clavora {

// The words of the word-list resource: one a line, empty lines left out, each cut to the fixed
// field length. Lines end with CR LF, LF CR, CR or LF.
QStringList SplitWordList(QStringView text);

} // namespace clavora
