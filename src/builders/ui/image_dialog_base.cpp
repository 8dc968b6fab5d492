#include "builders/ui/image_dialog_base.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_context.h"
#include "builders/image_builders.h"
#include "builders/ui/dialog_widgets.h"
#include "builders/ui/line_edit_bytes.h"

namespace quillane {

namespace {

QLineEdit* EditOf(const QWidget* widget) {
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(const_cast<QWidget*>(widget));
}

}  // namespace

ImageDialogBase::ImageDialogBase(AppContext& ctx, QWidget* parent)
    : BuilderDialog(ctx, parent, OnClose::ClearTagMode) {}

QPushButton* ImageDialogBase::addButton(const char* name, const char* caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    // Otherwise the dialog would make the first of them its default on show,
    // and Enter in any box would press it.
    button->setAutoDefault(false);
    return button;
}

QLabel* ImageDialogBase::addLabel(const char* name, const char* text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    return label;
}

EditableComboBox* ImageDialogBase::addEditableCombo(const char* name, const QStringList& items) {
    return NewEditableCombo(this, name, items);
}

QStringList ImageDialogBase::urlChoices() const {
    QStringList items{"http://"};
    for (int i = 1; i <= 15; ++i) items << QString::fromStdString(ctx_.settings.FavoriteURLs[i]);
    return items;
}

void ImageDialogBase::runOnEnter(QWidget* box, std::function<void()> action) { RunOnEnter(box, std::move(action)); }

void ImageDialogBase::refuse(const ImageMessage& message) {
    ctx_.messages().say(message.text);
    if (auto* control = findChild<QWidget*>(QString::fromStdString(message.focus))) control->setFocus();
}

std::string BoxBytes(const QWidget* box) {
    QLineEdit* edit = EditOf(box);
    return edit ? LineEditBytes(edit) : std::string();
}

void SetBoxBytes(QWidget* box, const std::string& bytes) {
    if (QLineEdit* edit = EditOf(box)) SetLineEditBytes(edit, bytes);
}

}  // namespace quillane
