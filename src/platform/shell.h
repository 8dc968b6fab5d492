#pragma once
#include <string>
#include <vector>

#include "platform/editor_control.h"

namespace quillane {

// The status bar panels of the main window, left to right.
enum class StatusPanel { Help /* Panel3D2 */, Time /* Panel3D3 */, Length /* Panel3D6 */ };

enum class WindowArrangement { Cascade, TileHorizontally, TileVertically, ArrangeIcons };

// Position and size in twips (1/1440 inch).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// A document window (Form2) as the commands see it.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    virtual int slot() const = 0;  // the window's tag
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual EditorControl& editor() = 0;

    // The check mark of mnuWordWrap.
    virtual bool wordWrapChecked() const = 0;
    virtual void setWordWrapChecked(bool checked) = 0;
    // The editor's inner width in twips, for the word-wrap margin.
    virtual int innerWidthTwips() const = 0;

    // mnuRecentFile(index), index 0 (the separator) to 4.
    virtual void setRecentEntry(int index, const std::string& caption, bool visible) = 0;
    // Menu items by name; unknown names are ignored.
    virtual void setMenuItemVisible(const std::string& name, bool visible) = 0;
    virtual bool menuItemVisible(const std::string& name) const = 0;
};

// The main window (MDIForm1): it owns the document windows.
class Shell {
public:
    virtual ~Shell() = default;

    // Creates the window for a slot, maximized, shown and active, its tag the
    // slot number. The caller sets the caption.
    virtual DocumentView& createDocumentWindow(int slot) = 0;
    // Asks a window to close: the window runs QueryCloseDocument and, when that
    // allows it, closes and reports DocumentWindowClosed. True if it closed.
    virtual bool closeDocumentWindow(DocumentView& view) = 0;
    virtual DocumentView* activeDocument() = 0;
    virtual std::vector<DocumentView*> documentWindows() = 0;
    virtual void activate(DocumentView& view) = 0;
    virtual void arrange(WindowArrangement how) = 0;

    virtual void setStatusText(StatusPanel panel, const std::string& text) = 0;
    // The buttons of the main toolbar that need a document.
    virtual void setDocumentToolbarEnabled(bool enabled) = 0;
    // The hourglass pointer.
    virtual void setBusy(bool busy) = 0;

    // The main window's own mnuRecentFile(index) entries.
    virtual void setRecentEntry(int index, const std::string& caption, bool visible) = 0;
    virtual std::string recentEntryCaption(int index) const = 0;

    // The main window's place: the corner of its frame and the size inside the
    // frame, so that setGeometry with what geometry gave brings back the same
    // frame. Placed before it is first shown, the frame's corner is where the
    // window manager puts it.
    virtual TwipsRect geometry() const = 0;
    virtual void setGeometry(const TwipsRect& rect) = 0;
    virtual void showMainWindow() = 0;
    virtual int screenWidthTwips() const = 0;
    virtual int screenHeightTwips() const = 0;
    // The part of each screen that windows may use, the primary screen first.
    virtual std::vector<TwipsRect> screenAreasTwips() const = 0;

    // The folder the program's shipped files (templates, tips, help) are in,
    // ending in '/'.
    virtual std::string programFolder() const = 0;
};

}  // namespace quillane
