#include "editor/menu_tree.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "builders/simple_tags.h"

namespace quillane {
namespace {

using Names = std::vector<std::string>;

// The entries directly inside a menu ("" for the bar). Separators without a
// name of their own are shown as "-".
Names Children(const std::vector<MenuItem>& tree, const std::string& menu) {
    static const std::set<std::string> named = {"sep5", "sep10", "sep14", "sep15", "mnuRecentFile(0)"};
    Names out;
    for (const MenuItem& item : tree) {
        if (item.parent != menu) continue;
        bool plain = item.kind == MenuKind::Separator && !named.count(item.name);
        out.push_back(plain ? "-" : item.name);
    }
    return out;
}

const std::map<std::string, Names> kDocumentMenus = {
    {"", {"FileMenu", "EditMenu", "InsertMenu", "mnuFormat", "OptionsMenu", "NetscapeMenu", "FunctionsMenu",
          "Windowmenu", "HelpMenu", "mnuRightFileMenu"}},
    {"FileMenu", {"mnuNewFile", "FileOpen", "FileInsert", "FileSave", "FileSaveAs", "mnuImportExport", "FileClose",
                  "FilePrint", "mnuRecentFile(0)", "mnuRecentFile(1)", "mnuRecentFile(2)", "mnuRecentFile(3)",
                  "mnuRecentFile(4)", "FileExit"}},
    {"mnuImportExport", {"mnuOpenUNIX", "-", "mnuUNIXsave"}},
    {"EditMenu", {"mnuUndo", "-", "mnuEditTag", "-", "cut", "copy", "paste", "mnuSelectAll", "-", "mnuSFind",
                  "mnuSFindNext", "mnuReplace", "mnuGlobalReplace", "-", "mnuWordWrap"}},
    {"InsertMenu", {"mnuPageProps", "HeadElements", "ParaTextElements", "mnuLogicFont", "Styles", "mnuChars", "-",
                    "Anchor", "mnuembed", "mnuForm", "mnuFrameMaker", "Hypertext", "Graphics", "List", "mnuTable",
                    "-", "mnuDate"}},
    {"HeadElements", {"mnuBanner", "BASE", "BODY", "head", "HTML", "ISINDEX", "LINK", "NEXTID", "TITLE"}},
    {"ParaTextElements", {"Headings", "Address", "mnuAlignP", "Blockquote", "mnuByline", "Comment", "HR", "mnuBR",
                          "Listing", "mnuLit", "mnuNBSP", "P", "Pre"}},
    {"Headings", {"heading(1)", "heading(2)", "heading(3)", "heading(4)", "heading(5)", "heading(6)"}},
    {"mnuAlignP", {"mnuPCenter", "mnuPLeft", "mnuPRight"}},
    {"mnuLogicFont", {"mnuAbbrev", "mnuAcronym", "mnuArg", "mnuAuthor", "CITE", "mnuCode", "mnuCredit", "DFN",
                      "mnuDeleteText", "mnuEmphasis", "mnuFootNote", "mnuInlineQuote", "mnuInsertText", "mnuKBD",
                      "mnuPerson", "SAMP", "mnuStrong", "VAR"}},
    {"Styles", {"Bold", "Italic", "mnuStrikethru", "mnuSUB", "mnuSUP", "TT", "Underline"}},
    {"List", {"BulletList", "DescriptList", "NumList", "-", "mnuListCnvrt", "mnuListItem"}},
    {"mnuTable", {"mnuTableMaker", "TblCnvrt", "-", "mnuTableTable", "mnuTableData", "mnuTableHeader", "mnuTableRow"}},
    {"mnuFormat", {"mnuFormatChar"}},
    {"OptionsMenu", {"mnuPrefs", "-", "mnuViewFileProps", "mnuToolbox"}},
    {"NetscapeMenu", {"mnuBaseFont", "mnuCenter", "mnuLineBreak", "mnuNoBreak", "mnuWordBreak", "mnuNSHR",
                      "mnuMailto", "mnuUsemap", "sep14", "mnuIEtags", "sep15", "mnuJavaTags"}},
    {"mnuBaseFont", {"mnuBfont(1)", "mnuBfont(2)", "mnuBfont(3)", "mnuBfont(4)", "mnuBfont(5)", "mnuBfont(6)",
                     "mnuBfont(7)"}},
    {"mnuLineBreak", {"mnuClearLeftBR", "mnuClearRightBR", "mnuClearAllBR"}},
    {"mnuIEtags", {"mnuBGSound", "mnuFloatFrame", "mnuMarquee"}},
    {"mnuJavaTags", {"mnuJavaApplet", "mnuJavaParam", "mnuJavaScript"}},
    {"FunctionsMenu", {"mnuColorize", "mnuLinkBrowser1", "BrowseLink", "HTMLStrip", "mnuimagemap", "mnuFTP",
                       "mnuVerifyLinks", "mnuSiteTarrow", "HTMLCnvrt"}},
    {"Windowmenu", {"cascademnu", "TileHoriz", "TileVert", "ArrangeIcon", "-", "mnuCloseAll"}},
    {"HelpMenu", {"Help", "mnuHowto", "mnuHTMLtagRef", "mnuUploadToWeb", "mnuTutorial", "-", "mnuWebWiz", "-",
                  "About"}},
    {"mnuRightFileMenu", {"mnuRightFileOpen", "mnuFileView", "-", "mnuFileCopy", "mnuFileMove", "mnuRename",
                          "mnuFileDelete", "-", "mnuVerify", "mnuFileProps"}},
    {"mnuFileView", {"mnuHTMLview", "mnuImageview", "mnuBothview", "mnuAllFileview"}},
};

const std::map<std::string, Names> kMainMenus = {
    {"", {"mnuFile", "OptionsMenu", "HelpMenu"}},
    {"mnuFile", {"mnuNewFile", "FileOpen", "mnuFileExit", "mnuRecentFile(0)", "mnuRecentFile(1)", "mnuRecentFile(2)",
                 "mnuRecentFile(3)", "mnuRecentFile(4)"}},
    {"OptionsMenu", {"mnuPrefs"}},
    {"HelpMenu", {"Help", "sep10", "mnuWebWiz", "mnuTutorial", "sep5", "About"}},
};

void ExpectStructure(const std::vector<MenuItem>& tree, const std::map<std::string, Names>& menus) {
    for (const auto& [menu, names] : menus) EXPECT_EQ(Children(tree, menu), names) << "menu " << menu;
    // Every menu of the tree is among those checked above.
    for (const MenuItem& item : tree) {
        if (item.kind == MenuKind::Menu) {
            EXPECT_TRUE(menus.count(item.name)) << item.name;
        }
    }
}

void ExpectWellFormed(const std::vector<MenuItem>& tree) {
    std::set<std::string> names;
    int previousDepth = -1;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const MenuItem& item = tree[i];
        SCOPED_TRACE(item.name);
        EXPECT_FALSE(item.name.empty());
        EXPECT_TRUE(names.insert(item.name).second) << "duplicate name";
        EXPECT_LE(item.depth, previousDepth + 1);
        EXPECT_FALSE(item.caption.empty() && item.kind == MenuKind::Item);
        if (item.kind == MenuKind::Separator) {
            EXPECT_EQ(item.caption, "-");
        }
        if (item.kind == MenuKind::Menu) {
            // A menu has at least one entry.
            ASSERT_LT(i + 1, tree.size());
            EXPECT_EQ(tree[i + 1].depth, item.depth + 1);
        }
        if (item.depth == 0) {
            EXPECT_EQ(item.kind, MenuKind::Menu);
            EXPECT_EQ(item.parent, "");
        } else {
            const MenuItem* parent = FindMenuItem(tree, item.parent);
            ASSERT_NE(parent, nullptr);
            EXPECT_EQ(parent->kind, MenuKind::Menu);
            EXPECT_EQ(parent->depth, item.depth - 1);
        }
        previousDepth = item.depth;
    }
}

TEST(DocumentMenuTree, HoldsEveryMenuWithItsItemsInOrder) {
    ExpectWellFormed(DocumentMenuTree());
    ExpectStructure(DocumentMenuTree(), kDocumentMenus);
}

TEST(MainMenuTree, HoldsTheSmallMenu) {
    ExpectWellFormed(MainMenuTree());
    ExpectStructure(MainMenuTree(), kMainMenus);
    const std::map<std::string, std::string> captions = {
        {"mnuFile", "&File"},         {"mnuNewFile", "&New..."},    {"FileOpen", "&Open..."},
        {"mnuFileExit", "E&xit"},     {"OptionsMenu", "&View"},     {"mnuPrefs", "&Preferences..."},
        {"HelpMenu", "&Help"},        {"Help", "&Contents..."},     {"mnuWebWiz", "&Web Wizard..."},
        {"mnuTutorial", "&Tutorial..."}, {"About", "&About..."},
    };
    for (const auto& [name, caption] : captions) {
        const MenuItem* item = FindMenuItem(MainMenuTree(), name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->caption, caption) << name;
        EXPECT_TRUE(item->visible) << name;
    }
}

TEST(DocumentMenuTree, Captions) {
    const std::map<std::string, std::string> captions = {
        {"FileMenu", "&File"},
        {"EditMenu", "&Edit"},
        {"InsertMenu", "&Insert HTML"},
        {"mnuFormat", "Fo&rmat"},
        {"OptionsMenu", "&View"},
        {"NetscapeMenu", "&HTML Extensions"},
        {"FunctionsMenu", "F&unctions"},
        {"Windowmenu", "&Window"},
        {"HelpMenu", "&Help"},
        {"mnuImportExport", "I&mport/Export"},
        {"HeadElements", "&Structure Tags"},
        {"ParaTextElements", "&Paragraph/Text Element Tags"},
        {"Headings", "Hea&dings"},
        {"mnuAlignP", "Align&ed Paragraph - <P ALIGN=>"},
        {"mnuLogicFont", "L&ogical Style Tags"},
        {"Styles", "Physical &Style Tags"},
        {"List", "&Lists"},
        {"mnuTable", "&Table"},
        {"mnuBaseFont", "B&aseFont - <BASEFONT SIZE=>"},
        {"mnuLineBreak", "Line &Break - <BR>"},
        {"mnuIEtags", "&Internet Explorer Tags"},
        {"mnuJavaTags", "&Java Tags"},
        {"mnuFileView", "Vie&w"},
        {"FileSaveAs", "Save &As..."},
        {"mnuUNIXsave", "&Save As UNIX format..."},
        {"FileExit", "E&xit"},
        {"cut", "Cu&t                 Ctrl-X"},
        {"copy", "&Copy              Ctrl-C"},
        {"paste", "&Paste             Ctrl-V"},
        {"mnuSelectAll", "&Select All       Ctrl-A"},
        {"mnuSFindNext", "Find &Next"},
        {"mnuWordWrap", "&Word Wrap"},
        {"mnuFrameMaker", "Frame Ma&ker..."},
        {"Hypertext", "H&yperLink..."},
        {"TblCnvrt", "Con&vert Text to Table..."},
        {"mnuDate", "&Date and Time"},
        {"mnuToolbox", "&ToolBox"},
        {"mnuNSHR", "&Horizontal Rule - <HR>..."},
        {"mnuUsemap", "&UseMap - Client Side ImageMap"},
        {"mnuJavaApplet", "Apple&t - <APPLET>..."},
        {"mnuSiteTarrow", "Site &Tarrow Site Manager..."},
        {"HTMLCnvrt", "&Convert to HTML List/Table..."},
        {"cascademnu", "&Cascade"},
        {"mnuCloseAll", "Cl&ose All"},
        {"mnuHowto", "How to &use Quillane..."},
        {"mnuUploadToWeb", "How to &Upload to the Web"},
        {"mnuWebWiz", "&Beginner Wizard..."},
        {"mnuRightFileOpen", "Open file..."},
        {"mnuBothview", "&Both HTML and Images"},
        {"mnuFileMove", "Mo&ve..."},
        {"mnuVerify", "Check &Links..."},
        {"mnuRecentFile(0)", "-"},
        {"mnuRecentFile(1)", "RecentFile1"},
        {"mnuRecentFile(4)", "RecentFile4"},
        {"heading(1)", "<H&1>"},
        {"mnuBfont(5)", "&5"},
    };
    for (const auto& [name, caption] : captions) {
        const MenuItem* item = FindMenuItem(DocumentMenuTree(), name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->caption, caption) << name;
    }
}

TEST(DocumentMenuTree, DesignHiddenItems) {
    const std::set<std::string> hidden = {
        "mnuRecentFile(0)", "mnuRecentFile(1)", "mnuRecentFile(2)", "mnuRecentFile(3)", "mnuRecentFile(4)",
        "mnuToolbox",       "mnuRightFileMenu", "mnuBanner",        "mnuByline",        "Listing",
        "mnuLit",           "mnuAbbrev",        "mnuAcronym",       "mnuArg",           "mnuAuthor",
        "mnuCredit",        "DFN",              "mnuDeleteText",    "mnuInlineQuote",   "mnuInsertText",
        "mnuPerson",
    };
    std::set<std::string> actual;
    for (const MenuItem& item : DocumentMenuTree()) {
        if (!item.visible) actual.insert(item.name);
    }
    EXPECT_EQ(actual, hidden);
    for (const MenuItem& item : MainMenuTree()) {
        EXPECT_EQ(item.visible, item.name.rfind("mnuRecentFile(", 0) != 0) << item.name;
    }
}

TEST(DocumentMenuTree, UserLevelItemsExist) {
    // Every item a user level or the custom set can hide.
    for (const char* name :
         {"mnuBanner", "BASE", "ISINDEX", "LINK", "NEXTID", "mnuByline", "Listing", "mnuLit", "mnuAbbrev",
          "mnuAcronym", "mnuArg", "mnuAuthor", "CITE", "mnuCode", "mnuCredit", "DFN", "mnuDeleteText", "mnuFootNote",
          "mnuInlineQuote", "mnuInsertText", "mnuKBD", "mnuPerson", "SAMP", "VAR", "mnuAlignP", "Pre",
          "mnuStrikethru", "mnuSUB", "mnuSUP", "mnuTable", "mnuForm", "mnuFrameMaker", "mnuNSHR", "mnuLineBreak",
          "mnuNoBreak", "mnuUsemap", "mnuWordBreak", "mnuIEtags", "mnuJavaTags", "sep14", "sep15", "HeadElements"}) {
        EXPECT_NE(FindMenuItem(DocumentMenuTree(), name), nullptr) << name;
    }
}

TEST(DocumentMenuTree, ShortcutsAndCheckMarks) {
    const std::map<std::string, std::string> shortcuts = {
        {"FileOpen", "Ctrl+O"},      {"FileSave", "Ctrl+S"},     {"mnuSFind", "Ctrl+F"},
        {"mnuSFindNext", "F3"},      {"mnuColorize", "F2"},      {"mnuLinkBrowser1", "F4"},
        {"BrowseLink", "F5"},        {"HTMLStrip", "F6"},        {"mnuimagemap", "F7"},
        {"mnuFTP", "F8"},            {"Bold", "Ctrl+B"},         {"heading(1)", "Shift+F1"},
        {"heading(6)", "Shift+F6"},  {"mnuSUB", "Ctrl+F1"},      {"mnuSUP", "Ctrl+Shift+F1"},
        {"mnuTableRow", "Ctrl+R"},   {"mnuListItem", "Ctrl+L"},  {"mnuCenter", "Ctrl+E"},
        {"cut", ""},                 {"mnuReplace", ""},         {"mnuDate", ""},
    };
    for (const auto& [name, shortcut] : shortcuts) {
        const MenuItem* item = FindMenuItem(DocumentMenuTree(), name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->shortcut, shortcut) << name;
    }
    std::set<std::string> seen;
    for (const MenuItem& item : DocumentMenuTree()) {
        if (!item.shortcut.empty()) {
            EXPECT_TRUE(seen.insert(item.shortcut).second) << item.shortcut;
        }
        EXPECT_EQ(item.checkable, item.name == "mnuWordWrap" || item.name == "mnuToolbox") << item.name;
        EXPECT_EQ(item.checked, item.name == "mnuToolbox") << item.name;
    }
}

TEST(DocumentMenuTree, CarriesEveryFixedTagCommandOnceInItsMenu) {
    for (const SimpleTag& tag : SimpleTags()) {
        SCOPED_TRACE(std::string(tag.name));
        int count = 0;
        for (const MenuItem& item : DocumentMenuTree()) {
            if (item.name != tag.name) continue;
            ++count;
            EXPECT_EQ(item.parent, tag.menu);
            EXPECT_EQ(item.caption, tag.caption);
            EXPECT_EQ(item.shortcut, tag.shortcut);
            EXPECT_EQ(item.visible, !tag.hidden);
            EXPECT_EQ(item.kind, MenuKind::Item);
        }
        EXPECT_EQ(count, 1);
    }
}

TEST(DocumentMenuTree, GeneratedSeparatorNamesKeepClearOfNamedOnes) {
    for (const char* reserved : {"sep5", "sep10"}) EXPECT_EQ(FindMenuItem(DocumentMenuTree(), reserved), nullptr);
    for (const MenuItem& item : DocumentMenuTree()) {
        if (item.kind == MenuKind::Separator && item.name.rfind("mnuRecentFile", 0) != 0) {
            EXPECT_EQ(item.name.rfind("sep", 0), 0u) << item.name;
        }
    }
}

}  // namespace
}  // namespace quillane
