#pragma once
#include <string>

#include "builders/multimedia_builders.h"
#include "builders/ui/multimedia_dialog_base.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quillane {

class AppletAlignPreview;

// Java Applet (Applet): the opening APPLET tag replacing the selection and,
// for a new applet, its closing tag on the next line with the caret after
// it. Edited from a tag (EditTagMode), only the opening tag is replaced.
class Applet : public MultimediaDialogBase {
    Q_OBJECT

public:
    Applet(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    // Edit Tag: the fields from an APPLET tag's text; its ALIGN value is
    // kept as written and shown in the list when it names an item.
    void fillFromTag(std::string_view tagText);
    AppletFields fields() const;

private:
    void ok();
    void alignChosen(int index);
    void showPreview(const QString& item);

    QLineEdit* code_;
    QLineEdit* alt_;
    QLineEdit* codebase_;
    QLineEdit* height_;
    QLineEdit* width_;
    QLineEdit* vspace_;
    QLineEdit* hspace_;
    QComboBox* align_;
    AppletAlignPreview* preview_;
    std::string alignValue_;
};

// Applet Parameter (Parametr): "&Insert" writes one PARAM line and keeps the
// dialog open with its fields; "&Done" closes it.
class Parametr : public MultimediaDialogBase {
    Q_OBJECT

public:
    Parametr(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    void setFields(const ParamFields& fields);
    ParamFields fields() const;

private:
    void insertParam();

    QLineEdit* name_;
    QLineEdit* value_;
};

}  // namespace quillane
