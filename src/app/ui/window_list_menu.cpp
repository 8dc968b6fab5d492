#include "app/ui/window_list_menu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace quillane {

namespace {

constexpr const char* kListProperty = "quillaneWindowList";

QString EscapeMnemonics(QString text) { return text.replace('&', "&&"); }

void RebuildList(QMenu& menu, QMdiArea& area) {
    for (QAction* a : menu.actions()) {
        if (a->property(kListProperty).toBool()) {
            menu.removeAction(a);
            a->deleteLater();
        }
    }
    const QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    QAction* separator = menu.addSeparator();
    separator->setProperty(kListProperty, true);
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        QString caption = EscapeMnemonics(window->windowTitle());
        QString text = number < 10 ? QString("&%1 %2").arg(number).arg(caption) : QString("%1 %2").arg(number).arg(caption);
        QAction* entry = menu.addAction(text);
        entry->setProperty(kListProperty, true);
        entry->setCheckable(true);
        entry->setChecked(window == area.currentSubWindow());
        QPointer<QMdiSubWindow> target = window;
        QPointer<QMdiArea> where = &area;
        QObject::connect(entry, &QAction::triggered, &area, [target, where] {
            if (target && where) where->setActiveSubWindow(target);
        });
        ++number;
    }
}

}  // namespace

void AttachWindowList(QMenu& menu, QMdiArea& area) {
    QPointer<QMdiArea> where = &area;
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, where] {
        if (where) RebuildList(menu, *where);
    });
}

}  // namespace quillane
