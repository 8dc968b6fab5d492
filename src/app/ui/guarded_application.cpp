#include "app/ui/guarded_application.h"

namespace quillane {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    if (!guard_) return QApplication::notify(receiver, event);
    bool handled = false;
    guard_([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace quillane
