#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

namespace quillane {

struct AppContext;
struct ImageMessage;

// What the image, advanced image and image map dialogs share: modal, centred
// on the screen when first shown, F1 and the help button, refusals shown as a
// message with the focus moved, and EditTagMode cleared however the dialog
// closes. No button is the default: Enter acts only where a dialog says so.
class ImageDialogBase : public QDialog {
    Q_OBJECT

public:
    ImageDialogBase(AppContext& ctx, QWidget* parent);

    // Closing by OK, Cancel, Escape or the close box.
    void done(int result) override;

protected:
    QPushButton* addButton(const char* name, const char* caption);
    QPushButton* addHelpButton();
    QLabel* addLabel(const char* name, const char* text);
    // An editable drop-down list: typed text is never added to the list.
    QComboBox* addEditableCombo(const char* name, const QStringList& items);
    // "http://" and the favourite URL list, empty entries included.
    QStringList urlChoices() const;

    // Enter (or the keypad's Enter) in `box` runs `action` instead of
    // reaching the box or the dialog.
    void runOnEnter(QWidget* box, std::function<void()> action);
    // A failed check: the message box, then the focus to the named control.
    void refuse(const ImageMessage& message);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppContext& ctx_;

private:
    bool centred_ = false;
};

// Converts between a box's text and the bytes of document text.
std::string BoxBytes(const QWidget* lineEditOrCombo);
void SetBoxBytes(QWidget* lineEditOrCombo, const std::string& bytes);

}  // namespace quillane
