#pragma once

#include "app/CommandIds.h"

#include <QHash>

namespace clavora {

// What the enabled state of the commands depends on.
struct CommandStateInputs
{
    int sessionState = SessionState::Idle;
    Tab selectedTab = Tab::Lessons;
    bool dictationPlaying = false;
    bool dictationPaused = false;
    bool dictationSelectionOpen = false;
    bool dictationViewShown = false;
    bool dictationLoaded = false;
    bool comparisonShown = false;
    bool courseFinished = false; // the current course entry is "Course Finished"
    bool awardCertOffered = false;
};

// The enabled state of menu items (by command) and of the selected tab's toolbar buttons; the
// other tabs' buttons keep the states they had.
struct CommandStates
{
    QHash<int, bool> menuItems;
    Tab buttonsTab = Tab::Lessons;
    QHash<int, bool> buttons;
    bool typingAreasEnabled = false;

    bool MenuEnabled(int commandId) const { return menuItems.value(commandId, true); }
    bool ButtonEnabled(int commandId) const { return buttons.value(commandId, true); }
};

CommandStates ComputeCommandStates(const CommandStateInputs& inputs);

} // namespace clavora
