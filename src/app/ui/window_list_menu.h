#pragma once

class QMdiArea;
class QMenu;

namespace quillane {

// Lists the open windows of the area at the end of a Window menu, numbered,
// the active one checked; choosing one activates it. The list is rebuilt each
// time the menu opens.
void AttachWindowList(QMenu& menu, QMdiArea& area);

}  // namespace quillane
