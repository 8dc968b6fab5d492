#include "editor/ui/menu_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include "app/command_table.h"

namespace quillane {

namespace {

QKeySequence ShortcutOf(const MenuItem& item) {
    return QKeySequence::fromString(QString::fromStdString(item.shortcut), QKeySequence::PortableText);
}

}  // namespace

BuiltMenuBar BuildMenuBar(const std::vector<MenuItem>& tree, const CommandTable& commands, AppContext& ctx,
                          DocumentView* target, QWidget* parent) {
    BuiltMenuBar built;
    built.bar = new QMenuBar(parent);
    // The menu each depth adds to; depth 0 adds to the bar.
    std::vector<QMenu*> open;

    for (const MenuItem& item : tree) {
        const QString name = QString::fromStdString(item.name);
        const QString caption = QString::fromStdString(item.caption);
        open.resize(static_cast<std::size_t>(item.depth));
        QMenu* owner = open.empty() ? nullptr : open.back();
        QAction* action = nullptr;

        switch (item.kind) {
            case MenuKind::Menu: {
                QMenu* menu = owner ? owner->addMenu(caption) : built.bar->addMenu(caption);
                menu->setObjectName(name);
                built.menus.insert(name, menu);
                action = menu->menuAction();
                open.push_back(menu);
                break;
            }
            case MenuKind::Separator:
                // A separator of the bar itself has nowhere to go.
                if (!owner) continue;
                action = owner->addSeparator();
                break;
            case MenuKind::Item: {
                QWidget* holder = owner ? static_cast<QWidget*>(owner) : built.bar;
                action = new QAction(caption, holder);
                holder->addAction(action);
                if (!item.shortcut.empty()) action->setShortcut(ShortcutOf(item));
                action->setCheckable(item.checkable);
                action->setChecked(item.checked);
                action->setEnabled(commands.has(item.name));
                const std::string command = item.name;
                QObject::connect(action, &QAction::triggered, action,
                                 [action, command, &commands, &ctx, target](bool) {
                                     if (action->isCheckable()) {
                                         // Undo Qt's own toggle: the command sets the mark.
                                         QSignalBlocker block(action);
                                         action->setChecked(!action->isChecked());
                                     }
                                     commands.run(command, ctx, target);
                                 });
                break;
            }
        }
        action->setObjectName(name);
        action->setVisible(item.visible);
        built.actions.insert(name, action);
    }
    return built;
}

QList<QKeySequence> MenuShortcuts(const std::vector<MenuItem>& tree) {
    QList<QKeySequence> keys;
    for (const MenuItem& item : tree) {
        if (!item.shortcut.empty()) keys.append(ShortcutOf(item));
    }
    return keys;
}

}  // namespace quillane
