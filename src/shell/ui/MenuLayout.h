#pragma once

#include <vector>

namespace varnelo {

// One item of the main window's menus. `command` names the action the item
// runs (the window it opens); an empty text is a separator.
struct MenuItemDef {
    int index;
    const char* text;
    const char* command;
    const char* shortcut = nullptr;
    bool hidden = false;
    bool startsDisabled = false;
};

struct MenuDef {
    const char* objectName;
    const char* title;
    std::vector<MenuItemDef> items;
    bool startsDisabled = false;
};

const std::vector<MenuDef>& mainMenus();

// Hidden pop-up menus that condition windows show as context menus.
// Items in order; the first ones switch the activation slots listed (0: an
// item without a slot), the last two, when present, switch them all.
struct PopupDef {
    const char* objectName;
    const char* title;
    std::vector<const char*> items;
    std::vector<int> itemSlots;
};
const std::vector<PopupDef>& popupMenus();

// Toolbar keys in their order and the command each one runs.
struct ToolDef {
    const char* key;
    const char* command;
    const char* tip;
};
const std::vector<ToolDef>& toolbarKeys();

} // namespace varnelo
