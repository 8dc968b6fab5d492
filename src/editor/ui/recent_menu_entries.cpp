#include "editor/ui/recent_menu_entries.h"

#include <QAction>
#include <QByteArray>
#include <QVariant>

namespace quillane {

namespace {

constexpr const char* kCaptionProperty = "quillaneCaption";

QAction* Entry(const BuiltMenuBar& menus, int index) {
    return menus.action(QString("mnuRecentFile(%1)").arg(index));
}

}  // namespace

void SetRecentMenuEntry(const BuiltMenuBar& menus, int index, const std::string& caption, bool visible) {
    QAction* entry = Entry(menus, index);
    if (!entry) return;
    if (!entry->isSeparator()) {
        // The bytes are kept apart from the shown text, which may lose
        // invalid UTF-8 and needs its '&' doubled.
        entry->setProperty(kCaptionProperty, QByteArray::fromStdString(caption));
        entry->setText(QString::fromStdString(caption).replace('&', "&&"));
    }
    entry->setVisible(visible);
}

std::string RecentMenuEntryCaption(const BuiltMenuBar& menus, int index) {
    QAction* entry = Entry(menus, index);
    if (!entry) return {};
    QVariant stored = entry->property(kCaptionProperty);
    if (stored.isValid()) return stored.toByteArray().toStdString();
    return entry->isSeparator() ? "-" : entry->text().toStdString();
}

}  // namespace quillane
