#pragma once
#include <QGroupBox>

class QFrame;
class QLabel;

namespace quillane {

// The applet dialog's "Align Preview" frame (Frame2): blue boxes for the
// applet (Leftimage, Leftimage2, Rightimage), a red box for an existing image
// (Redtext), the neighbouring text (Toplabel), the legends (Label10, Label11)
// and the explanation (Label12). All hidden until an alignment is chosen.
class AppletAlignPreview : public QGroupBox {
    Q_OBJECT

public:
    explicit AppletAlignPreview(QWidget* parent);

    // An Align item's text; "None" or an unknown item hides the preview.
    void showItem(const QString& item);

private:
    QFrame* leftApplet_;
    QFrame* inlineApplet_;
    QFrame* rightApplet_;
    QFrame* redBox_;
    QLabel* neighbour_;
    QLabel* legendRed_;
    QLabel* legendBlue_;
    QLabel* explanation_;
};

}  // namespace quillane
