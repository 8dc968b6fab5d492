#pragma once
#include <cstddef>
#include <string>

namespace quillane {

// The modeless Find (frmFind) and Replace dialogs as the search commands
// drive them. The window toolkit implements it; without one (no dialogs
// registered) the commands that need a dialog do nothing.
class SearchDialogs {
public:
    virtual ~SearchDialogs() = default;
    // frmFind: loaded if it is not open, Text1 set to text, shown modeless.
    virtual void showFind(const std::string& text) = 0;
    // Replace: loaded if it is not open, Text1 set to text, shown modeless.
    // With replacementFirst, Text2 comes first in the tab order and has the
    // focus.
    virtual void showReplace(const std::string& text, bool replacementFirst) = 0;
    // Hides the Replace dialog while Replace All runs.
    virtual void hideReplace() = 0;
    // Closes whichever of the two is open.
    virtual void closeAll() = 0;
    // The editor got the focus: the visible dialog comes to the front, the
    // Find dialog before the Replace dialog.
    virtual void bringToFront() = 0;
};

// The program-wide search state shared by both dialogs, Find Next, FindText
// and the global replace.
struct FindState {
    std::string findWhat;              // FindWhat
    bool matchCase = false;            // MatchCase: 1 = case-sensitive
    bool searchDown = true;            // SearchDirection: 1 = down, 0 = up
    std::size_t lastFoundPosition = 0;  // LastFoundPosition: caret after the last search
    bool newSearch = false;            // NewSearch: the next search may match at the caret
    bool notFound = false;             // NotFound: the last search found nothing
    std::size_t replaceCount = 0;      // ReplaceCount: while a Replace All runs
    std::string completionMessage;     // CompletionMessage: the end of a Replace All
    std::string lastFindText;          // LastFindText: pre-fills a dialog

    // The dialogs, once the window toolkit has registered them.
    SearchDialogs* dialogs = nullptr;
};

}  // namespace quillane
