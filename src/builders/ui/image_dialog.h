#pragma once
#include <string>
#include <string_view>

#include "builders/image_builders.h"
#include "builders/ui/image_dialog_base.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace quillane {

class DocumentView;
class ImageAlignPreview;
class Video;

// Insert Inline Image (LinkGraph): one IMG element, optionally inside a link,
// replacing the selection of the document it was opened on.
class LinkGraph : public ImageDialogBase {
    Q_OBJECT

public:
    // GraphText starts with the document's selection.
    LinkGraph(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    // Edit Tag: the fields of both dialogs from an IMG tag's text, the
    // Advanced dialog loaded but hidden, and the undo snapshot taken on the
    // way as the command takes it.
    void fillFromTag(std::string_view tagText);

    LinkGraphFields fields() const;
    const AdvancedImageAttributes& advanced() const { return advanced_; }
    const std::string& alignValue() const { return alignValue_; }
    // The loaded Advanced dialog, or nullptr before it is first needed.
    Video* advancedDialog() const { return video_; }

private:
    void ok();
    void openAdvanced();
    Video& loadAdvanced();
    void alignChosen(int index);
    void linkTicked(bool ticked);
    void browseImage(QLineEdit* field);
    void browseLinkTarget();

    DocumentView& view_;
    QLineEdit* file_;
    QLineEdit* alt_;
    QLineEdit* lowSrc_;
    QLineEdit* width_;
    QLineEdit* height_;
    QLineEdit* border_;
    QLineEdit* vspace_;
    QLineEdit* hspace_;
    QComboBox* align_;
    ImageAlignPreview* preview_;
    QCheckBox* link_;
    QComboBox* linkTarget_;
    QToolButton* browseLink_;
    Video* video_ = nullptr;

    AdvancedImageAttributes advanced_;
    std::string alignValue_;
};

}  // namespace quillane
