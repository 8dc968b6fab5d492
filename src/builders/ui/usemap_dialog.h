#pragma once
#include <array>

#include "builders/image_map.h"
#include "builders/ui/image_dialog_base.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quillane {

class DocumentView;

// UseMap - Client Side ImageMap: writes a MAP element into the document one
// AREA at a time (Insert), closed by Done. The dialog stays open between
// areas.
class UseMap : public ImageDialogBase {
    Q_OBJECT

public:
    UseMap(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    UseMapFields fields() const;
    const ImageMapSequence& sequence() const { return sequence_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void chooseShape(const MapShape& shape);
    void fitHeight();
    void insertArea();
    void finishMap();

    ImageMapSequence sequence_;
    QLineEdit* mapName_;
    QButtonGroup* shapes_;
    std::array<QLineEdit*, 6> coords_{};
    std::array<QLabel*, 6> coordLabels_{};
    QComboBox* url_;
    QComboBox* target_;
};

}  // namespace quillane
