#pragma once
#include <string>

#include "builders/image_builders.h"
#include "builders/ui/image_dialog_base.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quillane {

class EditableComboBox;

// Advanced Inline Image (Video): an inline video clip and the image-map
// attributes of the image being built. Opened modally from the image dialog,
// which keeps it loaded (hidden) between openings and reads its fields.
class Video : public ImageDialogBase {
    Q_OBJECT

public:
    Video(AppContext& ctx, QWidget* parent);

    // The fields as OK reads them: the Loop and Start items last chosen from
    // their lists, whatever was typed into their boxes.
    VideoFields fields() const;
    // Fills the fields; loop and start count as chosen.
    void setFields(const VideoFields& fields);

private:
    void browseVideo();
    void ok();

    QLineEdit* videoFile_;
    EditableComboBox* loop_;
    EditableComboBox* start_;
    QCheckBox* controls_;
    QCheckBox* useMap_;
    QLabel* mapNameLabel_;
    QLineEdit* mapName_;
    QCheckBox* isMap_;
    std::string chosenLoop_;
    std::string chosenStart_;
};

}  // namespace quillane
