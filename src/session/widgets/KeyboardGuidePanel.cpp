#include "session/widgets/KeyboardGuidePanel.h"

namespace clavora {

KeyboardGuidePanel::KeyboardGuidePanel(const TypedText& typed, QWidget* parent)
    : GuidePanel(GuideKeyTables::KeyboardPictureSize, GuideKeyTables::KeyboardPictures(), parent),
      m_guide(typed)
{}

GuideScene KeyboardGuidePanel::Scene(int panelWidth, bool enabled) const
{
    return m_guide.Scene(panelWidth, enabled);
}

} // namespace clavora
