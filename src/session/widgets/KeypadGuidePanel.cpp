#include "session/widgets/KeypadGuidePanel.h"

namespace clavora {

KeypadGuidePanel::KeypadGuidePanel(const TypedText& typed, QWidget* parent)
    : GuidePanel(GuideKeyTables::KeypadPictureSize, GuideKeyTables::KeypadPictures(), parent), m_guide(typed)
{}

GuideScene KeypadGuidePanel::Scene(int panelWidth, bool enabled) const
{
    return m_guide.Scene(panelWidth, enabled);
}

} // namespace clavora
