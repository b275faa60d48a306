#pragma once

#include <QChar>
#include <QList>
#include <QSize>

namespace clavora {

// A picture of a guide and where its top-left corner goes, in the guide picture's own pixels.
struct GuidePlacement
{
    int picture = 0;
    int x = 0;
    int y = 0;
};

// Which hand presses a key of the main keyboard.
enum class GuideHand : int
{
    Left = 1,
    Right = 2
};

// A key of the keyboard guide: its highlight, and the hand with the pressing finger.
struct KeyboardGuideKey
{
    GuideHand hand = GuideHand::Left;
    GuidePlacement highlight;
    GuidePlacement handPicture;
};

// A key of the keypad guide; the keypad is always typed with the right hand.
struct KeypadGuideKey
{
    GuidePlacement highlight;
    GuidePlacement handPicture;
};

// The key that types a character on the main keyboard and the Shift key it needs; -1 for none.
struct GuideKeyAndShift
{
    int key = -1;
    int shift = -1;

    friend bool operator==(const GuideKeyAndShift&, const GuideKeyAndShift&) = default;
};

// The numbered pictures the guides draw.
namespace GuidePicture {
enum : int
{
    KeyboardOverlayEnabled = 394,
    KeyboardOverlayDisabled = 395,
    Keyboard = 397,
    Keypad = 398,
    KeypadOverlayEnabled = 399,
    KeypadOverlayDisabled = 400,
    LeftHandAtRest = 415,
    RightHandAtRest = 435,
};
} // namespace GuidePicture

// The keys of the keyboard guide that type no character of their own.
namespace GuideKey {
enum : int
{
    Backspace = 37,
    Enter = 41,
    LeftShift = 46,
    RightShift = 47,
    SpaceBar = 50,
    KeypadEnter = 14,
};
} // namespace GuideKey

// The key tables of the keyboard and keypad guides: where each key and its hand are drawn, and
// which key types which character on a US keyboard.
class GuideKeyTables final
{
public:
    static constexpr int KeyboardKeyCount = 52;
    static constexpr int KeypadKeyCount = 17;
    static constexpr QSize KeyboardPictureSize{514, 189};
    static constexpr QSize KeypadPictureSize{143, 189};
    // The hands at rest on their home keys, where the keyboard guide draws them.
    static constexpr GuidePlacement LeftHandAtRest{GuidePicture::LeftHandAtRest, 5, 80};
    static constexpr GuidePlacement RightHandAtRest{GuidePicture::RightHandAtRest, 278, 82};

    // The key for a character and, for a character that needs Shift, the Shift key of the other
    // hand. Characters not on the keyboard (tab, accented letters) have key -1.
    static GuideKeyAndShift KeyForCharacter(QChar character);
    // The keypad key for a character, or -1.
    static int KeypadKeyForCharacter(QChar character);

    // The character a key types without Shift (a line feed for Enter); null for keys typing none.
    static QChar CharacterOfKey(int key);
    static QChar CharacterOfKeypadKey(int key);

    // The key with that number, or nullptr outside the table.
    static const KeyboardGuideKey* KeyboardKey(int key);
    static const KeypadGuideKey* KeypadKey(int key);

    // Every picture each guide can draw, in ascending order.
    static QList<int> KeyboardPictures();
    static QList<int> KeypadPictures();
};

} // namespace clavora
