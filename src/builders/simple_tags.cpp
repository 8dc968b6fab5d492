#include "builders/simple_tags.h"

#include <array>

#include "app/date_format.h"

namespace quillane {

namespace {

constexpr TagMode Wrap = TagMode::Wrap;
constexpr TagMode Insert = TagMode::Insert;
constexpr TagMode Head = TagMode::Heading;
constexpr TagMode Base = TagMode::BaseFont;
constexpr bool Hidden = true;
constexpr bool Shown = false;

// menu, item, caption, shortcut, mode, open or inserted text, close text, hidden, index
constexpr std::array kSimpleTags = std::to_array<SimpleTag>({
    // "&Structure Tags"
    {"HeadElements", "mnuBanner", "&Banner", "", Wrap, "<BANNER>", "</BANNER>", Hidden, 0},
    {"HeadElements", "BASE", "B&ase", "", Insert, "<BASE>", "", Shown, 0},
    {"HeadElements", "BODY", "Bo&dy", "", Wrap, "<BODY>", "</BODY>", Shown, 0},
    {"HeadElements", "head", "&Head", "", Wrap, "<HEAD>", "</HEAD>", Shown, 0},
    {"HeadElements", "HTML", "HT&ML", "", Wrap, "<HTML>", "</HTML>", Shown, 0},
    {"HeadElements", "ISINDEX", "&IsIndex", "", Insert, "<ISINDEX>", "", Shown, 0},
    {"HeadElements", "LINK", "&Link", "", Insert, "<LINK>", "", Shown, 0},
    {"HeadElements", "NEXTID", "&Nextid", "", Insert, "<NEXTID>", "", Shown, 0},
    {"HeadElements", "TITLE", "&Title", "", Wrap, "<TITLE>", "</TITLE>", Shown, 0},

    // "&Paragraph/Text Element Tags", with its submenus "Hea&dings" and
    // "Align&ed Paragraph - <P ALIGN=>"
    {"Headings", "heading(1)", "<H&1>", "Shift+F1", Head, "<H1>", "</H1>", Shown, 1},
    {"Headings", "heading(2)", "<H&2>", "Shift+F2", Head, "<H2>", "</H2>", Shown, 2},
    {"Headings", "heading(3)", "<H&3>", "Shift+F3", Head, "<H3>", "</H3>", Shown, 3},
    {"Headings", "heading(4)", "<H&4>", "Shift+F4", Head, "<H4>", "</H4>", Shown, 4},
    {"Headings", "heading(5)", "<H&5>", "Shift+F5", Head, "<H5>", "</H5>", Shown, 5},
    {"Headings", "heading(6)", "<H&6>", "Shift+F6", Head, "<H6>", "</H6>", Shown, 6},
    {"ParaTextElements", "Address", "&Address - <ADDRESS>", "", Wrap, "<ADDRESS>", "</ADDRESS>", Shown, 0},
    {"mnuAlignP", "mnuPCenter", "&Center", "", Wrap, "<P ALIGN=Center>", "</P>", Shown, 0},
    {"mnuAlignP", "mnuPLeft", "&Left", "", Wrap, "<P ALIGN=Left>", "</P>", Shown, 0},
    {"mnuAlignP", "mnuPRight", "&Right", "", Wrap, "<P ALIGN=Right>", "</P>", Shown, 0},
    {"ParaTextElements", "Blockquote", "Block&quote - <BLOCKQUOTE>", "", Wrap, "<BLOCKQUOTE>", "</BLOCKQUOTE>", Shown, 0},
    {"ParaTextElements", "mnuByline", "B&yline - <BYLINE>", "", Wrap, "<BYLINE>", "</BYLINE>", Hidden, 0},
    {"ParaTextElements", "Comment", "&Comment - <!-- -->", "", Wrap, "<!--", "-->", Shown, 0},
    {"ParaTextElements", "HR", "&Horizontal Rule - <HR>", "Ctrl+H", Insert, "<HR>", "", Shown, 0},
    {"ParaTextElements", "mnuBR", "Line &Break - <BR>", "Ctrl+K", Insert, "<BR>", "", Shown, 0},
    {"ParaTextElements", "Listing", "&Listing - <LISTING>", "", Wrap, "<LISTING>", "</LISTING>", Hidden, 0},
    {"ParaTextElements", "mnuLit", "Li&teral - <LIT>", "", Wrap, "<LIT>", "</LIT>", Hidden, 0},
    {"ParaTextElements", "mnuNBSP", "Non-breaking spa&ce - &&nbsp;", "Ctrl+N", Insert, "&nbsp;", "", Shown, 0},
    {"ParaTextElements", "P", "&Paragraph - <P>", "Ctrl+P", Wrap, "<P>", "</P>", Shown, 0},
    {"ParaTextElements", "Pre", "P&reformatted Text - <PRE>", "", Wrap, "<PRE>", "</PRE>", Shown, 0},

    // "L&ogical Style Tags"
    {"mnuLogicFont", "mnuAbbrev", "&Abbreviation - <ABBREV>", "", Wrap, "<ABBREV>", "</ABBREV>", Hidden, 0},
    {"mnuLogicFont", "mnuAcronym", "Acron&ym - <ACRONYM>", "", Wrap, "<ACRONYM>", "</ACRONYM>", Hidden, 0},
    {"mnuLogicFont", "mnuArg", "Ar&gument - <ARG>", "", Wrap, "<ARG>", "</ARG>", Hidden, 0},
    {"mnuLogicFont", "mnuAuthor", "A&uthor - <AU>", "", Wrap, "<AU>", "</AU>", Hidden, 0},
    {"mnuLogicFont", "CITE", "C&itation - <CITE>", "", Wrap, "<CITE>", "</CITE>", Shown, 0},
    {"mnuLogicFont", "mnuCode", "&Code - <CODE>", "", Wrap, "<CODE>", "</CODE>", Shown, 0},
    {"mnuLogicFont", "mnuCredit", "C&redit - <CREDIT>", "", Wrap, "<CREDIT>", "</CREDIT>", Hidden, 0},
    {"mnuLogicFont", "DFN", "D&efining Instance - <DFN>", "", Wrap, "<DFN>", "</DFN>", Hidden, 0},
    {"mnuLogicFont", "mnuDeleteText", "&Deleted Text - <DEL>", "", Wrap, "<DEL>", "</DEL>", Hidden, 0},
    {"mnuLogicFont", "mnuEmphasis", "E&mphasis - <EM>", "", Wrap, "<EM>", "</EM>", Shown, 0},
    {"mnuLogicFont", "mnuFootNote", "&Footnote - <FN>", "", Wrap, "<FN>", "</FN>", Shown, 0},
    {"mnuLogicFont", "mnuInlineQuote", "Inline &Quote - <Q>", "", Wrap, "<Q>", "</Q>", Hidden, 0},
    {"mnuLogicFont", "mnuInsertText", "&Inserted Text - <INS>", "", Wrap, "<INS>", "</INS>", Hidden, 0},
    {"mnuLogicFont", "mnuKBD", "&Keyboard - <KBD>", "", Wrap, "<KBD>", "</KBD>", Shown, 0},
    {"mnuLogicFont", "mnuPerson", "&Person - <PERSON>", "", Wrap, "<PERSON>", "</PERSON>", Hidden, 0},
    {"mnuLogicFont", "SAMP", "&Sample - <SAMP>", "", Wrap, "<SAMP>", "</SAMP>", Shown, 0},
    {"mnuLogicFont", "mnuStrong", "Stron&g Emphasis - <STRONG>", "", Wrap, "<STRONG>", "</STRONG>", Shown, 0},
    {"mnuLogicFont", "VAR", "&Variable - <VAR>", "", Wrap, "<VAR>", "</VAR>", Shown, 0},

    // "Physical &Style Tags"
    {"Styles", "Bold", "&Bold - <B>", "Ctrl+B", Wrap, "<B>", "</B>", Shown, 0},
    {"Styles", "Italic", "&Italic - <I>", "Ctrl+I", Wrap, "<I>", "</I>", Shown, 0},
    {"Styles", "mnuStrikethru", "St&rikethrough - <S>", "", Wrap, "<S>", "</S>", Shown, 0},
    {"Styles", "mnuSUB", "&Subscript - <SUB>", "Ctrl+F1", Wrap, "<SUB>", "</SUB>", Shown, 0},
    {"Styles", "mnuSUP", "Su&perscript - <SUP>", "Ctrl+Shift+F1", Wrap, "<SUP>", "</SUP>", Shown, 0},
    {"Styles", "TT", "&Typewriter Text - <TT>", "", Wrap, "<TT>", "</TT>", Shown, 0},
    {"Styles", "Underline", "&Underline - <U>", "Ctrl+U", Wrap, "<U>", "</U>", Shown, 0},

    // The rest of "&Insert HTML": "&Lists", "&Table" and the menu itself
    {"List", "mnuListItem", "Li&st Item - <LI>", "Ctrl+L", Insert, "<LI>", "", Shown, 0},
    {"mnuTable", "mnuTableTable", "<TA&BLE></TABLE>", "Ctrl+T", Wrap, "<TABLE>", "</TABLE>", Shown, 0},
    {"mnuTable", "mnuTableData", "&Data - <TD>", "Ctrl+D", Wrap, "<TD>", "</TD>", Shown, 0},
    {"mnuTable", "mnuTableHeader", "&Header - <TH>", "", Wrap, "<TH>", "</TH>", Shown, 0},
    {"mnuTable", "mnuTableRow", "&Row - <TR>", "Ctrl+R", Wrap, "<TR>", "</TR>", Shown, 0},
    {"InsertMenu", "mnuDate", "&Date and Time", "", TagMode::DateTime, "", "", Shown, 0},

    // "&HTML Extensions", with its submenus "B&aseFont - <BASEFONT SIZE=>",
    // "Line &Break - <BR>" and "&Java Tags"
    {"mnuBaseFont", "mnuBfont(1)", "&1", "", Base, "<BASEFONT SIZE=1>", "", Shown, 1},
    {"mnuBaseFont", "mnuBfont(2)", "&2", "", Base, "<BASEFONT SIZE=2>", "", Shown, 2},
    {"mnuBaseFont", "mnuBfont(3)", "&3", "", Base, "<BASEFONT SIZE=3>", "", Shown, 3},
    {"mnuBaseFont", "mnuBfont(4)", "&4", "", Base, "<BASEFONT SIZE=4>", "", Shown, 4},
    {"mnuBaseFont", "mnuBfont(5)", "&5", "", Base, "<BASEFONT SIZE=5>", "", Shown, 5},
    {"mnuBaseFont", "mnuBfont(6)", "&6", "", Base, "<BASEFONT SIZE=6>", "", Shown, 6},
    {"mnuBaseFont", "mnuBfont(7)", "&7", "", Base, "<BASEFONT SIZE=7>", "", Shown, 7},
    {"NetscapeMenu", "mnuCenter", "&Center - <CENTER>", "Ctrl+E", Wrap, "<CENTER>", "</CENTER>", Shown, 0},
    {"mnuLineBreak", "mnuClearLeftBR", "Clear = &left", "", Insert, "<BR CLEAR=left>", "", Shown, 0},
    {"mnuLineBreak", "mnuClearRightBR", "Clear = &right", "", Insert, "<BR CLEAR=right>", "", Shown, 0},
    {"mnuLineBreak", "mnuClearAllBR", "Clear = &all", "", Insert, "<BR CLEAR=all>", "", Shown, 0},
    {"NetscapeMenu", "mnuNoBreak", "&No Break - <NOBR>", "", Wrap, "<NOBR>", "</NOBR>", Shown, 0},
    {"NetscapeMenu", "mnuWordBreak", "&Word Break - <WBR>", "", Insert, "<WBR>", "", Shown, 0},
    {"mnuJavaTags", "mnuJavaScript", "&JavaScript tags", "", TagMode::Script, kScriptBlockOpen, kScriptBlockClose, Shown, 0},
});

constexpr std::array kSimpleTagButtons = std::to_array<SimpleTagButton>({
    {"SSCommand1", Wrap, "<H1>", "</H1>"},
    {"SSCommand2", Wrap, "<H2>", "</H2>"},
    {"SSCommand3", Wrap, "<H3>", "</H3>"},
    {"SSCommand4", Wrap, "<H4>", "</H4>"},
    {"SSCommand5", Wrap, "<H5>", "</H5>"},
    {"SSCommand6", Wrap, "<H6>", "</H6>"},
    {"SSCommand7", Wrap, "<B>", "</B>"},
    {"SSCommand8", Wrap, "<I>", "</I>"},
    {"SSCommand9", Wrap, "<U>", "</U>"},
    {"SSCommand29", Wrap, "<P>", "</P>"},
    {"SSCommand31", Wrap, "<!--", "-->"},
    {"SSCommand33", Wrap, "<P ALIGN=Left>", "</P>"},
    {"SSCommand34", Wrap, "<P ALIGN=Center>", "</P>"},
    {"SSCommand35", Wrap, "<P ALIGN=Right>", "</P>"},
    {"SSCommand36", Wrap, "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
    {"SSCommand23", Insert, "<HR>", ""},
    {"SSCommand30", Insert, "<BR>", ""},
    {"SSCommand22(1)", Insert, "<LI>", ""},
    {"SSCommand22(2)", Wrap, "<UL>", "</UL>"},
    {"SSCommand22(3)", Wrap, "<OL>", "</OL>"},
    {"SSCommand22(4)", Wrap, "<DL>", "</DL>"},
    {"SSCommand25(1)", Wrap, "<TABLE>", "</TABLE>"},
    {"SSCommand25(2)", Wrap, "<TR>", "</TR>"},
    {"SSCommand25(3)", Wrap, "<TH>", "</TH>"},
    {"SSCommand25(4)", Wrap, "<TD>", "</TD>"},
});

// The item index as the one decimal digit the tags carry.
char LastDigit(int n) {
    std::string digits = std::to_string(n);
    return digits.back();
}

}  // namespace

std::span<const SimpleTag> SimpleTags() { return kSimpleTags; }

std::span<const SimpleTagButton> SimpleTagButtons() { return kSimpleTagButtons; }

const SimpleTag* FindSimpleTag(std::string_view name) {
    for (const SimpleTag& row : kSimpleTags) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

std::string HeadingOpenTag(int level) { return std::string("<H") + LastDigit(level) + ">"; }

std::string HeadingCloseTag(int level) { return std::string("</H") + LastDigit(level) + ">"; }

std::string BaseFontText(int size) { return std::string("<BASEFONT SIZE=") + LastDigit(size) + ">"; }

std::string DateTimeText(const DateTime& now) { return FormatLongDate(now) + "  " + FormatTime(now); }

}  // namespace quillane
