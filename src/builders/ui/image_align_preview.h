#pragma once
#include <QGroupBox>

class QFrame;
class QLabel;

namespace quillane {

struct ImageAlignItem;

// The image dialog's "Align Preview" frame (Frame2): a blue box (the new
// image) placed beside a red box (an image already on the line) and a line
// of neighbouring text as the chosen alignment places it, with the
// explanation in Label12. Empty until an alignment is shown; hidden content
// for "None".
class ImageAlignPreview : public QGroupBox {
    Q_OBJECT

public:
    explicit ImageAlignPreview(QWidget* parent);

    // nullptr: nothing chosen.
    void showItem(const ImageAlignItem* item);

private:
    QWidget* canvas_;
    QFrame* newImage_;
    QFrame* existingImage_;
    QLabel* neighbour_;
    QLabel* explanation_;
    QLabel* legendRed_;
    QLabel* legendBlue_;
};

}  // namespace quillane
