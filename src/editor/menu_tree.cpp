#include "editor/menu_tree.h"

#include <array>
#include <set>
#include <span>
#include <string_view>

#include "builders/simple_tags.h"

namespace quillane {

namespace {

enum class EntryKind { Menu, Item, Separator, TagRows, RecentFiles };

constexpr unsigned kHidden = 1;     // invisible by design
constexpr unsigned kCheckable = 2;  // carries a check mark
constexpr unsigned kChecked = 4;    // checked by design

// One line of a declared tree. TagRows stands for the fixed-tag commands of
// the menu `name` (from the row `from` through the row `to`, or all of them),
// taken from the simple tag table; RecentFiles for the recent-file entries.
struct Entry {
    int depth;
    EntryKind kind;
    std::string_view name;
    std::string_view caption;
    std::string_view shortcut;
    unsigned flags;
    std::string_view from;
    std::string_view to;
};

constexpr Entry Menu(int depth, std::string_view name, std::string_view caption, unsigned flags = 0) {
    return {depth, EntryKind::Menu, name, caption, "", flags, "", ""};
}
constexpr Entry Item(int depth, std::string_view name, std::string_view caption, std::string_view shortcut = "",
                     unsigned flags = 0) {
    return {depth, EntryKind::Item, name, caption, shortcut, flags, "", ""};
}
// A separator; an empty name is replaced by a generated "sepN".
constexpr Entry Sep(int depth, std::string_view name = "") {
    return {depth, EntryKind::Separator, name, "-", "", 0, "", ""};
}
constexpr Entry Tags(int depth, std::string_view menu, std::string_view from = "", std::string_view to = "") {
    return {depth, EntryKind::TagRows, menu, "", "", 0, from, to};
}

// The recent-file entries mnuRecentFile(0) to (4): a separator and four
// paths, hidden until the list has entries.
constexpr Entry RecentFiles(int depth) { return {depth, EntryKind::RecentFiles, "", "", "", 0, "", ""}; }

constexpr std::array kDocumentMenu = std::to_array<Entry>({
    Menu(0, "FileMenu", "&File"),
    Item(1, "mnuNewFile", "&New..."),
    Item(1, "FileOpen", "&Open...", "Ctrl+O"),
    Item(1, "FileInsert", "&Insert File..."),
    Item(1, "FileSave", "&Save", "Ctrl+S"),
    Item(1, "FileSaveAs", "Save &As..."),
    Menu(1, "mnuImportExport", "I&mport/Export"),
    Item(2, "mnuOpenUNIX", "&Open UNIX file..."),
    Sep(2),
    Item(2, "mnuUNIXsave", "&Save As UNIX format..."),
    Item(1, "FileClose", "&Close"),
    Item(1, "FilePrint", "&Print"),
    RecentFiles(1),
    Item(1, "FileExit", "E&xit"),

    Menu(0, "EditMenu", "&Edit"),
    Item(1, "mnuUndo", "&Undo"),
    Sep(1),
    Item(1, "mnuEditTag", "&Edit Tag..."),
    Sep(1),
    // The keys in these captions are the editor's own; the items have no shortcut.
    Item(1, "cut", "Cu&t                 Ctrl-X"),
    Item(1, "copy", "&Copy              Ctrl-C"),
    Item(1, "paste", "&Paste             Ctrl-V"),
    Item(1, "mnuSelectAll", "&Select All       Ctrl-A"),
    Sep(1),
    Item(1, "mnuSFind", "&Find...", "Ctrl+F"),
    Item(1, "mnuSFindNext", "Find &Next", "F3"),
    Item(1, "mnuReplace", "&Replace..."),
    Item(1, "mnuGlobalReplace", "&Global Replace..."),
    Sep(1),
    Item(1, "mnuWordWrap", "&Word Wrap", "", kCheckable),

    Menu(0, "InsertMenu", "&Insert HTML"),
    Item(1, "mnuPageProps", "&Page Properties..."),
    Menu(1, "HeadElements", "&Structure Tags"),
    Tags(2, "HeadElements"),
    Menu(1, "ParaTextElements", "&Paragraph/Text Element Tags"),
    Menu(2, "Headings", "Hea&dings"),
    Tags(3, "Headings"),
    Tags(2, "ParaTextElements", "Address", "Address"),
    Menu(2, "mnuAlignP", "Align&ed Paragraph - <P ALIGN=>"),
    Tags(3, "mnuAlignP"),
    Tags(2, "ParaTextElements", "Blockquote", "Pre"),
    Menu(1, "mnuLogicFont", "L&ogical Style Tags"),
    Tags(2, "mnuLogicFont"),
    Menu(1, "Styles", "Physical &Style Tags"),
    Tags(2, "Styles"),
    Item(1, "mnuChars", "Special &Characters..."),
    Sep(1),
    Item(1, "Anchor", "&Anchor/Bookmark..."),
    Item(1, "mnuembed", "&Embedded Object..."),
    Item(1, "mnuForm", "&Form Maker..."),
    Item(1, "mnuFrameMaker", "Frame Ma&ker..."),
    Item(1, "Hypertext", "H&yperLink..."),
    Item(1, "Graphics", "&Inline Image..."),
    Menu(1, "List", "&Lists"),
    Item(2, "BulletList", "&Bulleted List..."),
    Item(2, "DescriptList", "&Descriptive List..."),
    Item(2, "NumList", "&Numbered List..."),
    Sep(2),
    Item(2, "mnuListCnvrt", "&Convert Text To List..."),
    Tags(2, "List"),
    Menu(1, "mnuTable", "&Table"),
    Item(2, "mnuTableMaker", "&Table Maker..."),
    Item(2, "TblCnvrt", "Con&vert Text to Table..."),
    Sep(2),
    Tags(2, "mnuTable"),
    Sep(1),
    Tags(1, "InsertMenu"),

    Menu(0, "mnuFormat", "Fo&rmat"),
    Item(1, "mnuFormatChar", "&Character..."),

    Menu(0, "OptionsMenu", "&View"),
    Item(1, "mnuPrefs", "&Preferences..."),
    Sep(1),
    Item(1, "mnuViewFileProps", "&File Properties..."),
    Item(1, "mnuToolbox", "&ToolBox", "", kHidden | kCheckable | kChecked),

    Menu(0, "NetscapeMenu", "&HTML Extensions"),
    Menu(1, "mnuBaseFont", "B&aseFont - <BASEFONT SIZE=>"),
    Tags(2, "mnuBaseFont"),
    Tags(1, "NetscapeMenu", "mnuCenter", "mnuCenter"),
    Menu(1, "mnuLineBreak", "Line &Break - <BR>"),
    Tags(2, "mnuLineBreak"),
    Tags(1, "NetscapeMenu", "mnuNoBreak", "mnuWordBreak"),
    Item(1, "mnuNSHR", "&Horizontal Rule - <HR>..."),
    Item(1, "mnuMailto", "&MailTo - <MAILTO>..."),
    Item(1, "mnuUsemap", "&UseMap - Client Side ImageMap"),
    Sep(1, "sep14"),
    Menu(1, "mnuIEtags", "&Internet Explorer Tags"),
    Item(2, "mnuBGSound", "&BGSound..."),
    Item(2, "mnuFloatFrame", "&Floating Frames..."),
    Item(2, "mnuMarquee", "&Marquee..."),
    Sep(1, "sep15"),
    Menu(1, "mnuJavaTags", "&Java Tags"),
    Item(2, "mnuJavaApplet", "Apple&t - <APPLET>..."),
    Item(2, "mnuJavaParam", "&Parameter - <PARAM>..."),
    Tags(2, "mnuJavaTags"),

    Menu(0, "FunctionsMenu", "F&unctions"),
    Item(1, "mnuColorize", "&Refresh Tag Colors", "F2"),
    Item(1, "mnuLinkBrowser1", "View with Browser &1", "F4"),
    Item(1, "BrowseLink", "View with Browser &2", "F5"),
    Item(1, "HTMLStrip", "HTML &Stripper", "F6"),
    Item(1, "mnuimagemap", "Open &Graphics Application", "F7"),
    Item(1, "mnuFTP", "Open &FTP Client", "F8"),
    Item(1, "mnuVerifyLinks", "&Check Links..."),
    Item(1, "mnuSiteTarrow", "Site &Tarrow Site Manager..."),
    Item(1, "HTMLCnvrt", "&Convert to HTML List/Table..."),

    Menu(0, "Windowmenu", "&Window"),
    Item(1, "cascademnu", "&Cascade"),
    Item(1, "TileHoriz", "Tile &Horizontally"),
    Item(1, "TileVert", "Tile &Vertically"),
    Item(1, "ArrangeIcon", "&Arrange Icons"),
    Sep(1),
    Item(1, "mnuCloseAll", "Cl&ose All"),

    Menu(0, "HelpMenu", "&Help"),
    Item(1, "Help", "&Contents..."),
    Item(1, "mnuHowto", "How to &use Quillane..."),
    Item(1, "mnuHTMLtagRef", "&HTML Glossary..."),
    Item(1, "mnuUploadToWeb", "How to &Upload to the Web"),
    Item(1, "mnuTutorial", "&Tutorial..."),
    Sep(1),
    Item(1, "mnuWebWiz", "&Beginner Wizard..."),
    Sep(1),
    Item(1, "About", "&About..."),

    // The file pane's pop-up menu: carried by the window, never in the bar.
    Menu(0, "mnuRightFileMenu", "", kHidden),
    Item(1, "mnuRightFileOpen", "Open file..."),
    Menu(1, "mnuFileView", "Vie&w"),
    Item(2, "mnuHTMLview", "&HTML Files"),
    Item(2, "mnuImageview", "&Images"),
    Item(2, "mnuBothview", "&Both HTML and Images"),
    Item(2, "mnuAllFileview", "&All Files"),
    Sep(1),
    Item(1, "mnuFileCopy", "&Copy..."),
    Item(1, "mnuFileMove", "Mo&ve..."),
    Item(1, "mnuRename", "&Rename..."),
    Item(1, "mnuFileDelete", "&Delete..."),
    Sep(1),
    Item(1, "mnuVerify", "Check &Links..."),
    Item(1, "mnuFileProps", "&Properties..."),
});

constexpr std::array kMainMenu = std::to_array<Entry>({
    Menu(0, "mnuFile", "&File"),
    Item(1, "mnuNewFile", "&New..."),
    Item(1, "FileOpen", "&Open..."),
    Item(1, "mnuFileExit", "E&xit"),
    RecentFiles(1),

    Menu(0, "OptionsMenu", "&View"),
    Item(1, "mnuPrefs", "&Preferences..."),

    Menu(0, "HelpMenu", "&Help"),
    Item(1, "Help", "&Contents..."),
    Sep(1, "sep10"),
    Item(1, "mnuWebWiz", "&Web Wizard..."),
    Item(1, "mnuTutorial", "&Tutorial..."),
    Sep(1, "sep5"),
    Item(1, "About", "&About..."),
});

// Separator names that mean particular separators; generated names avoid them.
const std::set<std::string> kReservedSeparatorNames = {"sep5", "sep10", "sep14", "sep15"};

MenuItem FromTag(int depth, const SimpleTag& row) {
    MenuItem item;
    item.depth = depth;
    item.kind = MenuKind::Item;
    item.name = row.name;
    item.caption = row.caption;
    item.shortcut = row.shortcut;
    item.visible = !row.hidden;
    return item;
}

void AppendRecentFiles(std::vector<MenuItem>& out, int depth) {
    for (int i = 0; i <= 4; ++i) {
        MenuItem item;
        item.depth = depth;
        item.kind = i == 0 ? MenuKind::Separator : MenuKind::Item;
        item.name = "mnuRecentFile(" + std::to_string(i) + ")";
        item.caption = i == 0 ? "-" : "RecentFile" + std::to_string(i);
        item.visible = false;
        out.push_back(std::move(item));
    }
}

void AppendTagRows(std::vector<MenuItem>& out, const Entry& entry) {
    bool inRange = entry.from.empty();
    for (const SimpleTag& row : SimpleTags()) {
        if (row.menu != entry.name) continue;
        if (row.name == entry.from) inRange = true;
        if (!inRange) continue;
        out.push_back(FromTag(entry.depth, row));
        if (row.name == entry.to) break;
    }
}

std::vector<MenuItem> Expand(std::span<const Entry> entries) {
    std::vector<MenuItem> out;
    for (const Entry& entry : entries) {
        if (entry.kind == EntryKind::TagRows) {
            AppendTagRows(out, entry);
            continue;
        }
        if (entry.kind == EntryKind::RecentFiles) {
            AppendRecentFiles(out, entry.depth);
            continue;
        }
        MenuItem item;
        item.depth = entry.depth;
        item.kind = entry.kind == EntryKind::Menu        ? MenuKind::Menu
                    : entry.kind == EntryKind::Separator ? MenuKind::Separator
                                                         : MenuKind::Item;
        item.name = entry.name;
        item.caption = entry.caption;
        item.shortcut = entry.shortcut;
        item.visible = (entry.flags & kHidden) == 0;
        item.checkable = (entry.flags & kCheckable) != 0;
        item.checked = (entry.flags & kChecked) != 0;
        out.push_back(std::move(item));
    }

    // Unnamed separators get the lowest free "sepN".
    std::set<std::string> used = kReservedSeparatorNames;
    for (const MenuItem& item : out) used.insert(item.name);
    int next = 1;
    for (MenuItem& item : out) {
        if (!item.name.empty()) continue;
        while (used.count("sep" + std::to_string(next))) ++next;
        item.name = "sep" + std::to_string(next);
        used.insert(item.name);
    }

    // Parents: the nearest earlier entry with a smaller depth.
    std::vector<std::string> open;
    for (MenuItem& item : out) {
        open.resize(static_cast<std::size_t>(item.depth));
        item.parent = open.empty() ? std::string() : open.back();
        open.push_back(item.name);
    }
    return out;
}

}  // namespace

const std::vector<MenuItem>& DocumentMenuTree() {
    static const std::vector<MenuItem> tree = Expand(kDocumentMenu);
    return tree;
}

const std::vector<MenuItem>& MainMenuTree() {
    static const std::vector<MenuItem> tree = Expand(kMainMenu);
    return tree;
}

const MenuItem* FindMenuItem(const std::vector<MenuItem>& tree, const std::string& name) {
    for (const MenuItem& item : tree) {
        if (item.name == name) return &item;
    }
    return nullptr;
}

}  // namespace quillane
