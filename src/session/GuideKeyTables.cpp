#include "session/GuideKeyTables.h"

#include <algorithm>
#include <array>

namespace clavora {

namespace {

constexpr char16_t NoCharacter = 0;
constexpr auto L = GuideHand::Left;
constexpr auto R = GuideHand::Right;

// One row of the keyboard table: the characters the key types without and with Shift.
struct KeyboardRow
{
    char16_t plain;
    char16_t shifted;
    KeyboardGuideKey key;
};

// Positions in the keyboard picture's pixels; the pictures are drawn to match them.
constexpr std::array<KeyboardRow, GuideKeyTables::KeyboardKeyCount> KeyboardRows{{
    {u'1', u'!', {L, {463, 43, 6}, {419, -10, 15}}},
    {u'2', u'@', {L, {463, 76, 6}, {420, -15, 15}}},
    {u'3', u'#', {L, {463, 110, 6}, {421, -15, 15}}},
    {u'4', u'$', {L, {463, 143, 6}, {422, -15, 15}}},
    {u'5', u'%', {L, {463, 177, 6}, {423, -15, 15}}},
    {u'6', u'^', {R, {463, 210, 6}, {449, 218, 15}}},
    {u'7', u'&', {R, {463, 244, 6}, {450, 250, 15}}},
    {u'8', u'*', {R, {463, 278, 6}, {451, 275, 15}}},
    {u'9', u'(', {R, {463, 311, 6}, {452, 277, 15}}},
    {u'0', u')', {R, {463, 345, 6}, {453, 278, 15}}},
    {u'a', u'A', {L, {463, 73, 78}, {415, 5, 80}}},
    {u'b', u'B', {L, {463, 226, 114}, {424, 15, 95}}},
    {u'c', u'C', {L, {463, 159, 114}, {425, 17, 83}}},
    {u'd', u'D', {L, {463, 140, 78}, {415, 5, 80}}},
    {u'e', u'E', {L, {463, 126, 41}, {426, 0, 45}}},
    {u'f', u'F', {L, {463, 174, 78}, {415, 5, 80}}},
    {u'g', u'G', {L, {463, 207, 78}, {427, 7, 80}}},
    {u'h', u'H', {R, {463, 241, 78}, {454, 245, 80}}},
    {u'i', u'I', {R, {463, 294, 41}, {455, 275, 45}}},
    {u'j', u'J', {R, {463, 274, 78}, {435, 278, 82}}},
    {u'k', u'K', {R, {463, 308, 78}, {435, 278, 82}}},
    {u'l', u'L', {R, {463, 342, 78}, {435, 278, 82}}},
    {u'm', u'M', {R, {463, 294, 114}, {456, 285, 79}}},
    {u'n', u'N', {R, {463, 260, 114}, {457, 265, 82}}},
    {u'o', u'O', {R, {463, 327, 41}, {458, 275, 45}}},
    {u'p', u'P', {R, {463, 361, 41}, {459, 270, 45}}},
    {u'q', u'Q', {L, {463, 58, 41}, {428, 0, 45}}},
    {u'r', u'R', {L, {463, 159, 41}, {429, 0, 45}}},
    {u's', u'S', {L, {463, 106, 78}, {415, 5, 80}}},
    {u't', u'T', {L, {463, 193, 41}, {430, 5, 45}}},
    {u'u', u'U', {R, {463, 260, 41}, {460, 260, 45}}},
    {u'v', u'V', {L, {463, 193, 114}, {431, 5, 85}}},
    {u'w', u'W', {L, {463, 92, 41}, {432, 5, 45}}},
    {u'x', u'X', {L, {463, 126, 114}, {433, 22, 80}}},
    {u'y', u'Y', {R, {463, 226, 41}, {461, 233, 45}}},
    {u'z', u'Z', {L, {463, 92, 114}, {434, 35, 85}}},
    {u'\'', u'"', {R, {463, 409, 78}, {444, 277, 80}}},
    {NoCharacter, NoCharacter, {R, {462, 446, 6}, {437, 318, 15}}}, // Backspace
    {u'[', u'{', {R, {463, 394, 41}, {440, 275, 45}}},
    {u']', u'}', {R, {463, 428, 41}, {441, 275, 45}}},
    {u',', u'<', {R, {463, 327, 114}, {438, 277, 80}}},
    {u'\n', NoCharacter, {R, {464, 443, 78}, {439, 308, 82}}}, // Enter
    {u'=', u'+', {R, {463, 412, 6}, {446, 300, 15}}},
    {u'-', u'_', {R, {463, 378, 6}, {447, 297, 15}}},
    {u'.', u'>', {R, {463, 361, 114}, {448, 273, 80}}},
    {u';', u':', {R, {463, 375, 78}, {435, 278, 82}}},
    {NoCharacter, NoCharacter, {L, {465, 9, 114}, {418, 5, 80}}},     // left Shift
    {NoCharacter, NoCharacter, {R, {466, 430, 114}, {442, 310, 82}}}, // right Shift
    {u'\\', u'|', {R, {463, 462, 41}, {445, 310, 45}}},
    {u'/', u'?', {R, {463, 394, 114}, {443, 275, 82}}},
    {u' ', NoCharacter, {L, {467, 159, 150}, {415, 5, 80}}}, // space bar
    {u'`', u'~', {L, {463, 9, 6}, {417, -30, 15}}},
}};

// The keypad's characters in table order; key 0 (Num Lock) types none.
constexpr std::array<char16_t, GuideKeyTables::KeypadKeyCount> KeypadCharacters{
    NoCharacter, u'/', u'*', u'-', u'7', u'8',  u'9', u'+', u'4',
    u'5',        u'6', u'1', u'2', u'3', u'\n', u'0', u'.'};

constexpr std::array<KeypadGuideKey, GuideKeyTables::KeypadKeyCount> KeypadKeys{{
    {{468, 9, 6}, {402, -30, 15}},
    {{468, 43, 6}, {402, -30, 15}},
    {{468, 76, 6}, {403, -30, 15}},
    {{468, 110, 6}, {404, -30, 15}},
    {{468, 9, 41}, {412, -30, 50}},
    {{468, 43, 41}, {413, -30, 50}},
    {{468, 76, 41}, {414, -30, 50}},
    {{470, 110, 41}, {405, -30, 50}},
    {{468, 9, 78}, {401, -30, 85}},
    {{468, 43, 78}, {401, -30, 85}},
    {{468, 76, 78}, {401, -30, 85}},
    {{468, 9, 114}, {409, -30, 90}},
    {{468, 43, 114}, {410, -30, 90}},
    {{468, 76, 114}, {411, -30, 90}},
    {{470, 110, 114}, {406, -30, 90}},
    {{469, 9, 150}, {408, 0, 85}},
    {{468, 76, 150}, {407, -30, 110}},
}};

// Every character on the guides is ASCII, so one slot per code gives the key at once.
constexpr int AsciiCount = 128;

struct CharacterSlot
{
    int key = -1;
    bool shifted = false;
};

constexpr std::array<CharacterSlot, AsciiCount> BuildKeyboardSlots()
{
    std::array<CharacterSlot, AsciiCount> table{};
    for (int key = 0; key < GuideKeyTables::KeyboardKeyCount; ++key) {
        const KeyboardRow& row = KeyboardRows[static_cast<size_t>(key)];
        if (row.plain != NoCharacter)
            table[row.plain] = {key, false};
        if (row.shifted != NoCharacter)
            table[row.shifted] = {key, true};
    }
    return table;
}

constexpr std::array<int, AsciiCount> BuildKeypadSlots()
{
    std::array<int, AsciiCount> table{};
    table.fill(-1);
    for (int key = 0; key < GuideKeyTables::KeypadKeyCount; ++key) {
        const char16_t character = KeypadCharacters[static_cast<size_t>(key)];
        if (character != NoCharacter)
            table[character] = key;
    }
    return table;
}

constexpr std::array<CharacterSlot, AsciiCount> KeyboardSlots = BuildKeyboardSlots();
constexpr std::array<int, AsciiCount> KeypadSlots = BuildKeypadSlots();

// The fixed pictures with every highlight and hand of a table, each once.
template <typename Keys, typename KeyOf>
QList<int> PicturesOf(QList<int> pictures, const Keys& keys, KeyOf keyOf)
{
    for (const auto& row : keys) {
        const auto& key = keyOf(row);
        pictures << key.highlight.picture << key.handPicture.picture;
    }
    std::sort(pictures.begin(), pictures.end());
    pictures.erase(std::unique(pictures.begin(), pictures.end()), pictures.end());
    return pictures;
}

} // namespace

GuideKeyAndShift GuideKeyTables::KeyForCharacter(QChar character)
{
    const char16_t code = character.unicode();
    if (code == NoCharacter || code >= AsciiCount)
        return {};
    const CharacterSlot slot = KeyboardSlots[code];
    if (slot.key < 0 || !slot.shifted)
        return {slot.key, -1};
    // A capital or symbol is shifted with the little finger of the other hand.
    const bool leftHandKey = KeyboardRows[static_cast<size_t>(slot.key)].key.hand == GuideHand::Left;
    return {slot.key, leftHandKey ? int(GuideKey::RightShift) : int(GuideKey::LeftShift)};
}

int GuideKeyTables::KeypadKeyForCharacter(QChar character)
{
    const char16_t code = character.unicode();
    if (code == NoCharacter || code >= AsciiCount)
        return -1;
    return KeypadSlots[code];
}

QChar GuideKeyTables::CharacterOfKey(int key)
{
    return key < 0 || key >= KeyboardKeyCount ? QChar() : QChar(KeyboardRows[static_cast<size_t>(key)].plain);
}

QChar GuideKeyTables::CharacterOfKeypadKey(int key)
{
    return key < 0 || key >= KeypadKeyCount ? QChar() : QChar(KeypadCharacters[static_cast<size_t>(key)]);
}

const KeyboardGuideKey* GuideKeyTables::KeyboardKey(int key)
{
    if (key < 0 || key >= KeyboardKeyCount)
        return nullptr;
    return &KeyboardRows[static_cast<size_t>(key)].key;
}

const KeypadGuideKey* GuideKeyTables::KeypadKey(int key)
{
    if (key < 0 || key >= KeypadKeyCount)
        return nullptr;
    return &KeypadKeys[static_cast<size_t>(key)];
}

QList<int> GuideKeyTables::KeyboardPictures()
{
    return PicturesOf(
        {GuidePicture::Keyboard, GuidePicture::KeyboardOverlayEnabled, GuidePicture::KeyboardOverlayDisabled,
         GuidePicture::LeftHandAtRest, GuidePicture::RightHandAtRest},
        KeyboardRows, [](const KeyboardRow& row) -> const KeyboardGuideKey& { return row.key; });
}

QList<int> GuideKeyTables::KeypadPictures()
{
    return PicturesOf(
        {GuidePicture::Keypad, GuidePicture::KeypadOverlayEnabled, GuidePicture::KeypadOverlayDisabled},
        KeypadKeys, [](const KeypadGuideKey& key) -> const KeypadGuideKey& { return key; });
}

} // namespace clavora
