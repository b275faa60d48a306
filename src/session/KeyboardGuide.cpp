#include "session/KeyboardGuide.h"

#include "session/GuideKeyNames.h"
#include "session/TypedText.h"

namespace clavora {

namespace {

// Highlights, hands and the overlay are all blended in at half opacity over the keyboard.
constexpr double BlendOpacity = 0.5;

void ShowKey(GuideScene& scene, int key)
{
    const KeyboardGuideKey* entry = GuideKeyTables::KeyboardKey(key);
    if (!entry)
        return;
    scene.Draw(entry->highlight, BlendOpacity);
    scene.Draw(entry->handPicture, BlendOpacity);
    scene.Label(entry->highlight, 0, GuideKeyNames::LegendOf(key));
}

void ShowHandAtRest(GuideScene& scene, GuideHand hand)
{
    scene.Draw(hand == GuideHand::Left ? GuideKeyTables::LeftHandAtRest : GuideKeyTables::RightHandAtRest,
               BlendOpacity);
}

// The key for a character with its hand; a shifted character shows the Shift key and its hand
// instead of the other hand at rest. A character off the keyboard shows nothing.
void ShowCharacter(GuideScene& scene, QChar character)
{
    const GuideKeyAndShift keys = GuideKeyTables::KeyForCharacter(character);
    const KeyboardGuideKey* entry = GuideKeyTables::KeyboardKey(keys.key);
    if (!entry)
        return;
    ShowKey(scene, keys.key);
    QString caption = GuideKeyNames::FingerOf(keys.key);
    if (keys.shift >= 0) {
        ShowKey(scene, keys.shift);
        scene.SetCaption(caption + QStringLiteral(", Shift with the ") + GuideKeyNames::FingerOf(keys.shift));
        return;
    }
    scene.SetCaption(caption);
    ShowHandAtRest(scene, entry->hand == GuideHand::Left ? GuideHand::Right : GuideHand::Left);
}

} // namespace

KeyboardGuide::KeyboardGuide(const TypedText& typed) : m_typed(typed) {}

GuideScene KeyboardGuide::Scene(int panelWidth, bool enabled) const
{
    GuideScene scene(panelWidth, GuideKeyTables::KeyboardPictureSize, enabled);
    scene.Draw({GuidePicture::Keyboard, 0, 0}, 1.0);
    const bool demonstrating = m_demonstration.IsOn();
    if (demonstrating)
        ShowCharacter(scene, m_demonstration.Current());
    else if (enabled)
        ShowNextExpected(scene);
    const bool lit = enabled || demonstrating;
    scene.Draw({lit ? GuidePicture::KeyboardOverlayEnabled : GuidePicture::KeyboardOverlayDisabled, 0, 0},
               BlendOpacity);
    return scene;
}

void KeyboardGuide::ShowNextExpected(GuideScene& scene) const
{
    // With forced corrections the session takes only Backspace after a wrong key. Its own flag
    // decides, not the last buffer character: a mistyped line end ends in the right line feed.
    if (m_typed.Rules().correctionsForced && !m_typed.IsCorrect()) {
        ShowKey(scene, GuideKey::Backspace);
        ShowHandAtRest(scene, GuideHand::Left);
        scene.SetCaption(QStringLiteral("Backspace: ") + GuideKeyNames::FingerOf(GuideKey::Backspace));
        return;
    }
    const QChar next = m_typed.NextExpected();
    // A line end is typed with the space bar as well as with Enter; the guide teaches the thumb.
    if (next == u'\r') {
        ShowKey(scene, GuideKey::SpaceBar);
        ShowHandAtRest(scene, GuideHand::Right);
        scene.SetCaption(QStringLiteral("end of line: Space with the thumb"));
        return;
    }
    ShowCharacter(scene, next);
}

} // namespace clavora
