#include "app/widgets/GamesViewWidget.h"

#include "app/GamesController.h"
#include "games/widgets/FlurrixDrawing.h"
#include "games/widgets/GameHost.h"
#include "games/widgets/ThirtySecondsDrawing.h"
#include "games/widgets/TypingHeroDrawing.h"

#include <algorithm>
#include <QVBoxLayout>

namespace clavora {

GamesViewWidget::GamesViewWidget(GamesController& games, const Clock& clock, RandomGenerator& random,
                                 QWidget* parent)
    : QWidget(parent), m_games(games), m_host(new GameHost(clock, random, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_host);
    m_drawings[0] = std::make_unique<FlurrixDrawing>();
    m_drawings[1] = std::make_unique<ThirtySecondsDrawing>();
    m_drawings[2] = std::make_unique<TypingHeroDrawing>();
    setFocusProxy(m_host);
}

GamesViewWidget::~GamesViewWidget()
{
    // The host may still paint while it goes; it must not reach a drawing that is already gone.
    m_host->SetScreen(nullptr, nullptr);
}

void GamesViewWidget::ShowScreen(int index)
{
    const size_t slot = static_cast<size_t>(std::clamp(index, 0, int(m_drawings.size()) - 1));
    m_host->SetScreen(m_games.Screen(int(slot)), m_drawings[slot].get());
    m_host->StartFrames();
    m_host->setFocus(Qt::OtherFocusReason);
}

} // namespace clavora
