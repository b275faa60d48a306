#include "session/KeypadGuide.h"

#include "session/GuideKeyNames.h"
#include "session/TypedText.h"

namespace clavora {

namespace {

constexpr double SolidOpacity = 1.0;
constexpr double HandOpacity = 0.5;
// The keypad pictures are drawn for these offsets of the highlight and the overlay.
constexpr int HighlightShiftX = -2;
constexpr int OverlayShiftX = 4;
constexpr int OverlayShiftY = 2;

void ShowKeypadKey(GuideScene& scene, int key)
{
    const KeypadGuideKey* entry = GuideKeyTables::KeypadKey(key);
    if (!entry)
        return;
    scene.Draw(entry->highlight, HighlightShiftX, 0, SolidOpacity);
    scene.Draw(entry->handPicture, HandOpacity);
    scene.SetCaption(GuideKeyNames::KeypadFingerOf(key));
}

} // namespace

KeypadGuide::KeypadGuide(const TypedText& typed) : m_typed(typed) {}

GuideScene KeypadGuide::Scene(int panelWidth, bool enabled) const
{
    GuideScene scene(panelWidth, GuideKeyTables::KeypadPictureSize, enabled);
    scene.Draw({GuidePicture::Keypad, 0, 0}, SolidOpacity);
    const bool demonstrating = m_demonstration.IsOn();
    if (demonstrating) {
        ShowKeypadKey(scene, GuideKeyTables::KeypadKeyForCharacter(m_demonstration.Current()));
    } else if (enabled) {
        // Line ends of keypad drills are typed with the keypad's own Enter key.
        const QChar next = m_typed.NextExpected();
        ShowKeypadKey(scene, next == u'\r' ? int(GuideKey::KeypadEnter)
                                           : GuideKeyTables::KeypadKeyForCharacter(next));
    }
    const bool lit = enabled || demonstrating;
    scene.Draw({lit ? GuidePicture::KeypadOverlayEnabled : GuidePicture::KeypadOverlayDisabled, 0, 0},
               OverlayShiftX, OverlayShiftY, SolidOpacity);
    return scene;
}

} // namespace clavora
