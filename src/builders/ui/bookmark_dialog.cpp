#include "builders/ui/bookmark_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_context.h"
#include "builders/link_builders.h"
#include "builders/ui/line_edit_bytes.h"

namespace quillane {

Anchor1::Anchor1(AppContext& ctx, DocumentView& view, QWidget* parent) : LinkDialogBase(ctx, view, parent) {
    setObjectName("Anchor1");
    setWindowTitle("Anchor");

    auto* sourceLabel = new QLabel("Enter the text to be bookmarked:", this);
    sourceLabel->setObjectName("Label2");
    source_ = new QLineEdit(this);
    source_->setObjectName("Source");
    auto* targetLabel = new QLabel("Enter the Bookmark/Anchor name:", this);
    targetLabel->setObjectName("Label3");
    target_ = new QLineEdit(this);
    target_->setObjectName("Target");
    auto* note = new QLabel("To insert the hypertext to link to a bookmark, use the 'Insert Hypertext' function.", this);
    note->setObjectName("Label1");
    note->setWordWrap(true);

    QPushButton* ok = addOkButton("Command1");
    QPushButton* cancel = addCancelButton("Command2");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    layout->addWidget(sourceLabel, 0, 0);
    layout->addWidget(source_, 1, 0);
    layout->addWidget(targetLabel, 2, 0);
    layout->addWidget(target_, 3, 0);
    layout->addWidget(note, 4, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons, 5, 0);

    const std::string selection = view.editor().selText();
    SetLineEditBytes(source_, selection);
    // With the text given, the name is what is left to type.
    (selection.empty() ? source_ : target_)->setFocus();

    connect(ok, &QPushButton::clicked, this, &Anchor1::ok);
}

BookmarkFields Anchor1::fields() const { return {LineEditBytes(source_), LineEditBytes(target_)}; }

void Anchor1::ok() {
    saveUndoSnapshot();
    if (!finish(BuildBookmarkTag(fields()))) target_->setFocus();
}

void OpenBookmarkDialog(AppContext& ctx, DocumentView& view, QWidget* parent) {
    Anchor1 dialog(ctx, view, parent);
    dialog.exec();
}

}  // namespace quillane
