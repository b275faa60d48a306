#pragma once

#include <QString>
#include <span>

namespace clavora {

// The fixed tables the main window builds its tabbed toolbar, menu bar and accelerators from.
namespace CommandTables {

struct ToolbarButton
{
    int commandId;
    const char16_t* label; // nullptr: the shared Pause/Resume label
    const char16_t* tooltip;
    int bitmap;
};

struct ToolbarTab
{
    int commandId;
    const char16_t* label;
    std::span<const ToolbarButton> buttons;
};

enum class MenuRowKind
{
    Item,
    Separator,
    PopupBegin,
    PopupEnd
};

struct MenuRow
{
    MenuRowKind kind;
    int commandId;
    const char16_t* label;
};

// Modifier bits of an accelerator row.
enum AcceleratorModifier : int
{
    Alt = 1,
    Ctrl = 2,
    Shift = 4
};

struct Accelerator
{
    int key; // a Qt::Key value
    int modifiers;
    int commandId;
};

std::span<const ToolbarTab> Tabs();
// The whole menu bar: top-level menus are popups at nesting level 0.
std::span<const MenuRow> MenuBar();
std::span<const Accelerator> Accelerators();

// The text shown after a menu item's label, e.g. "Ctrl+K" or "Ctrl+Shift+R"; empty when the
// command has no accelerator.
QString AcceleratorText(int commandId);
const Accelerator* AcceleratorFor(int commandId);

} // namespace CommandTables

} // namespace clavora
