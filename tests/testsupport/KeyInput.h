#pragma once

#include "session/TargetText.h"
#include "session/TypedText.h"

#include <QString>

namespace clavora::test {

// Keys written as text: '\b' is Backspace, '\r' Enter, '~' a dead key that types nothing. The
// control characters Backspace, Tab and Enter type share their codes with their virtual keys.
inline int VirtualKeyOf(QChar key)
{
    return key.toUpper().unicode();
}

inline QString LayoutTextOf(QChar key)
{
    return key == u'~' || key == u'\b' ? QString() : QString(key);
}

// Types keys as the typing view hands them over; returns how many gave a wrong character.
inline int TypeKeys(TypedText& typed, const QString& keys)
{
    int errors = 0;
    for (const QChar key : keys)
        errors += typed.AcceptKey(VirtualKeyOf(key), LayoutTextOf(key)) ? 0 : 1;
    return errors;
}

// An exercise with its first keys typed, for the guides and panels to follow.
struct Exercise
{
    TargetText target;
    TypedText typed{target};

    explicit Exercise(const QString& text, const QString& keys = {}, bool correctionsForced = false)
    {
        target.LoadText(text);
        typed.SetRules({correctionsForced, false});
        TypeKeys(typed, keys);
    }
};

} // namespace clavora::test
