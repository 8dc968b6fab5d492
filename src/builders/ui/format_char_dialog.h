#pragma once
#include <array>
#include <string>

#include "builders/character_format.h"
#include "builders/ui/builder_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillane {

class ColorBox;
class DocumentView;

// FormatChar, "Format Characters": font face (Combo3), colour (Text1 with its
// colour box Label3), size (Combo1, with the BaseFont box SSCheck16 beside
// it, which the OK does not read), position (Combo2) and the fifteen style
// boxes SSCheck1 ... SSCheck15 in the frames SSFrame1 and SSFrame2. OK
// (Command3) wraps the window's selection in the tags; Cancel is Command2.
// Enter does not stand for OK here.
class FormatChar : public BuilderDialog {
    Q_OBJECT

public:
    FormatChar(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    CharacterFormatFields fields() const;
    // Edit Tag: face, size and colour from the FONT tag being edited.
    void setFontFields(const FontTagFields& font);

private:
    void ok();

    DocumentView& view_;
    QComboBox* face_;
    QLineEdit* color_;
    ColorBox* colorBox_;
    QComboBox* size_;
    QComboBox* position_;
    std::array<QCheckBox*, kCharacterStyles.size()> styles_{};
};

// Opens FormatChar over the window and runs it modally.
void OpenFormatChar(AppContext& ctx, DocumentView& view, QWidget* parent);

// Edit Tag on a FONT tag: the window's selection covers the tag and tagText
// is its text after the "<". OK replaces the tag with the new open text.
void EditFontTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText);

}  // namespace quillane
