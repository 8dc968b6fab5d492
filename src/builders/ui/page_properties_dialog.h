#pragma once
#include <array>
#include <optional>
#include <string>

#include "builders/browse_for_file.h"
#include "builders/page_properties.h"
#include "builders/ui/builder_dialog.h"
#include "editor/insertion.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace quillane {

class ColorBox;
class DocumentView;

// How the Web Page Properties dialog opens: over a page it reads, or for the
// toolbar's new page, whose fields start empty.
enum class PagePropertiesMode { ReadPage, NewPage };

// BGCOLOR, "Web Page Properties": the title (Text5), the five page colours
// (Text1 background, Text2 text, Text3 link, Text4 visited link, Text10
// active link) with their colour boxes (Label9 ... Label13) and the preview
// panel (SSPanel1), colours from another page (Command4), the background
// picture (Text9, browse SSCommand2, "Fixed Dir" Check1), the watermark
// (SSCheck1) and the margins (Text12, Text13). OK (Command2, or Enter in a
// text box) rewrites the page; Cancel (Command1) collapses the selection the
// dialog made; Advanced (Command3) opens Metatags.
class BGCOLOR : public BuilderDialog {
    Q_OBJECT

public:
    BGCOLOR(AppContext& ctx, DocumentView& view, PagePropertiesMode mode, QWidget* parent = nullptr);

    PagePropertiesFields fields() const;
    // Edit Tag: the BODY attributes of the tag being edited; the title stays.
    void setBodyFields(const BodyFields& body);

    // Cancel, Esc and the close box.
    void reject() override;

private:
    // One colour field: its text box, colour box and caption.
    struct ColorRow {
        QLineEdit* field = nullptr;
        ColorBox* box = nullptr;
        QLabel* caption = nullptr;
    };

    void setFields(const PagePropertiesFields& fields);
    void setColorFields(const BodyFields& body);
    void repaintColors();
    void ok();
    void advanced();
    void colorsFromAnotherPage();
    void browseBackground();
    void fixedDirToggled(bool ticked);

    DocumentView& view_;
    TagDialogScope editTagScope_;

    QLineEdit* title_;
    std::array<ColorRow, 5> colors_;  // background, text, link, visited, active
    QFrame* preview_;
    QLineEdit* background_;
    QCheckBox* fixedDir_;
    QCheckBox* watermark_;
    QLineEdit* leftMargin_;
    QLineEdit* topMargin_;
    QPushButton* ok_;

    std::optional<BrowsedFile> browsed_;
    bool metaConfirmed_ = false;
};

// Opens the dialog over the window and runs it modally.
void OpenPageProperties(AppContext& ctx, DocumentView& view, QWidget* parent,
                        PagePropertiesMode mode = PagePropertiesMode::ReadPage);

}  // namespace quillane
