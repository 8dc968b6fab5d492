#pragma once
#include <string>
#include <vector>

namespace quillane {

enum class MenuKind {
    Menu,       // a menu of the bar or a submenu: the items that follow at a greater depth
    Item,       // a command
    Separator,  // a line
};

// One entry of a menu tree, in display order. Depth 0 are the menus of the
// bar; an entry belongs to the nearest entry before it with a smaller depth.
struct MenuItem {
    int depth = 0;
    MenuKind kind = MenuKind::Item;
    std::string name;      // unique within its tree; array members as "mnuRecentFile(1)"
    std::string caption;   // with its '&' access-key marker; "-" for separators
    std::string shortcut;  // portable key text ("Ctrl+O", "Ctrl+Shift+F1", "F2"); "" for none
    bool visible = true;   // visibility of the design
    bool checkable = false;
    bool checked = false;
    std::string parent;    // name of the enclosing menu; "" at depth 0
};

// The document window's whole menu tree (Form2), including the invisible
// pop-up file menu mnuRightFileMenu.
const std::vector<MenuItem>& DocumentMenuTree();
// The main window's own menu, shown while no document window is open.
const std::vector<MenuItem>& MainMenuTree();

// The entry of a tree by name, or nullptr.
const MenuItem* FindMenuItem(const std::vector<MenuItem>& tree, const std::string& name);

}  // namespace quillane
