#include "session/GuideKeyNames.h"

#include "session/GuideKeyTables.h"

#include <array>

namespace clavora::GuideKeyNames {

namespace {

struct FingerKeys
{
    const char16_t* name;
    const char16_t* characters; // what the finger's keys type without Shift
};

// The usual touch-typing assignment of the US keyboard.
constexpr std::array KeyboardFingers{
    FingerKeys{u"left little finger", u"`1qaz"},
    FingerKeys{u"left ring finger", u"2wsx"},
    FingerKeys{u"left middle finger", u"3edc"},
    FingerKeys{u"left index finger", u"45rtfgvb"},
    FingerKeys{u"right index finger", u"67yuhjnm"},
    FingerKeys{u"right middle finger", u"8ik,"},
    FingerKeys{u"right ring finger", u"9ol."},
    FingerKeys{u"right little finger", u"0-=p[]\\;'/\n"},
    FingerKeys{u"thumb", u" "},
};

constexpr std::array KeypadFingers{
    FingerKeys{u"right index finger", u"147"},  FingerKeys{u"right middle finger", u"258/"},
    FingerKeys{u"right ring finger", u"369*."}, FingerKeys{u"right little finger", u"-+\n"},
    FingerKeys{u"right thumb", u"0"},
};

template <typename Fingers> QString FingerFor(const Fingers& fingers, QChar character)
{
    if (character.isNull())
        return {};
    for (const FingerKeys& finger : fingers) {
        if (QStringView(finger.characters).contains(character))
            return QString::fromUtf16(finger.name);
    }
    return {};
}

} // namespace

QString LegendOf(int key)
{
    switch (key) {
    case GuideKey::Backspace:
        return QStringLiteral("Backspace");
    case GuideKey::Enter:
        return QStringLiteral("Enter");
    case GuideKey::LeftShift:
    case GuideKey::RightShift:
        return QStringLiteral("Shift");
    case GuideKey::SpaceBar:
        return QStringLiteral("Space");
    default:
        break;
    }
    const QChar character = GuideKeyTables::CharacterOfKey(key);
    return character.isNull() ? QString() : QString(character.toUpper());
}

QString FingerOf(int key)
{
    switch (key) {
    case GuideKey::LeftShift:
        return QStringLiteral("left little finger");
    case GuideKey::RightShift:
    case GuideKey::Backspace:
        return QStringLiteral("right little finger");
    default:
        return FingerFor(KeyboardFingers, GuideKeyTables::CharacterOfKey(key));
    }
}

QString KeypadFingerOf(int key)
{
    // Num Lock, the one key that types nothing, sits over the index finger's column.
    if (key == 0)
        return QStringLiteral("right index finger");
    return FingerFor(KeypadFingers, GuideKeyTables::CharacterOfKeypadKey(key));
}

} // namespace clavora::GuideKeyNames
