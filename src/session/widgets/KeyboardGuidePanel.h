#pragma once

#include "session/KeyboardGuide.h"
#include "session/widgets/GuidePanel.h"

namespace clavora {

// The on-screen keyboard under the exercise text: the next key, its Shift key and the hands.
class KeyboardGuidePanel final : public GuidePanel
{
    Q_OBJECT

public:
    explicit KeyboardGuidePanel(const TypedText& typed, QWidget* parent = nullptr);

    KeyboardGuide& Guide() { return m_guide; }
    const KeyboardGuide& Guide() const { return m_guide; }
    GuideDemonstration& Demonstration() override { return m_guide.Demonstration(); }

protected:
    GuideScene Scene(int panelWidth, bool enabled) const override;

private:
    KeyboardGuide m_guide;
};

} // namespace clavora
