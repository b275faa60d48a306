#pragma once

#include <QString>
#include <QStringList>

namespace clavora {

// Access keys (the underlined letter, "&" in a label) for the entries of one menu level, so the
// menus work from the keyboard. Labels themselves stay as written; the marks are added here.
namespace AccessKeys {

// Each label gets a letter or digit no sibling uses and none in reserved (compared without case):
// the first letter of its first word where free, else the first letter of a later word, else any
// letter of it. A label with no free letter gets none. A "&" already in a label is kept as text.
QStringList Mark(const QStringList& labels, const QString& reserved = {});

// The letters of the window's Alt accelerators: an access key on the menu bar must not take them.
QString AltAcceleratorLetters();

} // namespace AccessKeys

} // namespace clavora
