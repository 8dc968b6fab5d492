#pragma once
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <vector>

#include "editor/menu_tree.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quillane {

struct AppContext;
class CommandTable;
class DocumentView;

// A menu bar built from a menu tree, with its entries by name.
struct BuiltMenuBar {
    QMenuBar* bar = nullptr;
    // Every entry: items, separators, and the menus' own actions.
    QHash<QString, QAction*> actions;
    // Every menu of the bar and every submenu.
    QHash<QString, QMenu*> menus;

    QAction* action(const QString& name) const { return actions.value(name); }
    QMenu* menu(const QString& name) const { return menus.value(name); }
};

// Builds the bar: object names are the item names, texts the captions,
// shortcuts, visibility and check marks as designed. An item is enabled when
// the command table has a command of its name (menus and separators always
// are); choosing it runs that command with ctx and target (the window the bar
// belongs to, nullptr for the main window). Check marks belong to the
// commands: choosing a checkable item does not toggle it by itself.
// (Qt reports a hidden action as disabled; showing it restores the rule.)
// The command table and ctx must outlive the bar.
BuiltMenuBar BuildMenuBar(const std::vector<MenuItem>& tree, const CommandTable& commands, AppContext& ctx,
                          DocumentView* target, QWidget* parent = nullptr);

// Every shortcut of a tree, for the editor to leave to the menus.
QList<QKeySequence> MenuShortcuts(const std::vector<MenuItem>& tree);

}  // namespace quillane
