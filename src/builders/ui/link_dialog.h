#pragma once
#include <string>

#include "builders/ui/link_dialog_base.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quillane {

class EditableComboBox;
struct LinkFields;

// LINKTEXT, "Insert HyperLink": the selection as the link text (LText1), the
// URL box with "http://" and the favourite URLs (httpsite), the bookmark
// switch (Check1) with its name box (Label3, Text1) shown only while ticked,
// and the frame target (Combo1). OK (LtextOK) replaces the selection with the
// link; Cancel is Command2.
class LINKTEXT : public LinkDialogBase {
    Q_OBJECT

public:
    LINKTEXT(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    // Edit Tag: an existing link's URL, target and text.
    void setLinkFields(const LinkFields& fields);
    // The fields as typed.
    LinkFields fields() const;

private:
    void ok();
    void bookmarkToggled(bool ticked);

    QLineEdit* linkText_;
    EditableComboBox* url_;
    QCheckBox* bookmark_;
    EditableComboBox* target_;
    QLabel* bookmarkLabel_;
    QLineEdit* bookmarkName_;
};

// Opens LINKTEXT over the window's selection and runs it modally.
void OpenLinkDialog(AppContext& ctx, DocumentView& view, QWidget* parent);

// Edit Tag on a link: the window's selection already covers the link (start
// tag through "</A>" when there is one) and tagText is that text after the
// "<". Opens LINKTEXT filled from it; OK replaces the selected link.
void EditLinkTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText);

}  // namespace quillane
