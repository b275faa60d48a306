#pragma once

#include "session/KeypadGuide.h"
#include "session/widgets/GuidePanel.h"

namespace clavora {

// The numeric keypad shown in place of the keyboard during keypad exercises.
class KeypadGuidePanel final : public GuidePanel
{
    Q_OBJECT

public:
    explicit KeypadGuidePanel(const TypedText& typed, QWidget* parent = nullptr);

    KeypadGuide& Guide() { return m_guide; }
    const KeypadGuide& Guide() const { return m_guide; }
    GuideDemonstration& Demonstration() override { return m_guide.Demonstration(); }

protected:
    GuideScene Scene(int panelWidth, bool enabled) const override;

private:
    KeypadGuide m_guide;
};

} // namespace clavora
