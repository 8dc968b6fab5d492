#pragma once
#include <functional>
#include <string>

#include "builders/ui/builder_dialog.h"

class QComboBox;
class QLabel;

namespace quillane {

struct AppContext;
class EditableComboBox;
struct ImageMessage;

// What the image, advanced image and image map dialogs add to the builder
// dialog: refusals shown as a message with the focus moved, and EditTagMode
// cleared however the dialog closes. No button is the default: Enter acts
// only where a dialog says so.
class ImageDialogBase : public BuilderDialog {
    Q_OBJECT

public:
    ImageDialogBase(AppContext& ctx, QWidget* parent);

protected:
    QPushButton* addButton(const char* name, const char* caption);
    QLabel* addLabel(const char* name, const char* text);
    // An editable drop-down list that keeps its text as typed.
    EditableComboBox* addEditableCombo(const char* name, const QStringList& items);
    // "http://" and the favourite URL list, empty entries included.
    QStringList urlChoices() const;

    // Enter (or the keypad's Enter) in `box`, a text box or any combo box,
    // runs `action` instead of reaching the box or the dialog.
    void runOnEnter(QWidget* box, std::function<void()> action);
    // A failed check: the message box, then the focus to the named control.
    void refuse(const ImageMessage& message);
};

// Converts between a box's text and the bytes of document text.
std::string BoxBytes(const QWidget* lineEditOrCombo);
void SetBoxBytes(QWidget* lineEditOrCombo, const std::string& bytes);

}  // namespace quillane
