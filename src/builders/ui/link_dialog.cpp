#include "builders/ui/link_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>
#include <utility>

#include "app/app_context.h"
#include "builders/link_builders.h"
#include "builders/ui/dialog_widgets.h"
#include "builders/ui/line_edit_bytes.h"

namespace quillane {

namespace {

QLabel* NamedLabel(const char* text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QStringList Items(const std::vector<std::string>& items) {
    QStringList out;
    for (const std::string& item : items) out << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
    return out;
}

}  // namespace

LINKTEXT::LINKTEXT(AppContext& ctx, DocumentView& view, QWidget* parent) : LinkDialogBase(ctx, view, parent) {
    setObjectName("LINKTEXT");
    setWindowTitle("Insert HyperLink");

    linkText_ = new QLineEdit(this);
    linkText_->setObjectName("LText1");
    url_ = NewEditableCombo(this, "httpsite", Items(LinkUrlChoices(ctx.settings)));
    bookmark_ = new QCheckBox("Link to a bookmark?", this);
    bookmark_->setObjectName("Check1");
    target_ = NewEditableCombo(this, "Combo1", Items(LinkTargetChoices()));
    bookmarkLabel_ = NamedLabel("Bookmark name:", "Label3", this);
    bookmarkName_ = new QLineEdit(this);
    bookmarkName_->setObjectName("Text1");
    bookmarkLabel_->hide();
    bookmarkName_->hide();

    QPushButton* ok = addOkButton("LtextOK");
    QPushButton* cancel = addCancelButton("Command2");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    layout->addWidget(NamedLabel("Enter text to be hyperlinked:", "Label1", this), 0, 0, 1, 2);
    layout->addWidget(linkText_, 1, 0, 1, 2);
    layout->addWidget(NamedLabel("Enter URL of Web page or file to link to:", "Label2", this), 2, 0, 1, 2);
    layout->addWidget(url_, 3, 0, 1, 2);
    layout->addWidget(bookmark_, 4, 0);
    layout->addWidget(bookmarkLabel_, 5, 0);
    layout->addWidget(bookmarkName_, 5, 1);
    layout->addWidget(NamedLabel("If using Netscape frames, enter name of frame to target:", "Label4", this), 6, 0, 1, 2);
    layout->addWidget(target_, 7, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons, 8, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    // The selection is the link text. With one, the URL is what is left to
    // type: that box comes first in the tab order and takes the focus.
    const std::string selection = view.editor().selText();
    SetLineEditBytes(linkText_, selection);
    QWidget* order[] = {linkText_, url_, bookmark_, target_, bookmarkName_, ok, cancel, help};
    if (!selection.empty()) std::swap(order[0], order[1]);
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    order[0]->setFocus();

    connect(bookmark_, &QCheckBox::toggled, this, &LINKTEXT::bookmarkToggled);
    connect(ok, &QPushButton::clicked, this, &LINKTEXT::ok);
    // OK is the default button for the text boxes; the lists run it themselves.
    for (EditableComboBox* box : {url_, target_}) connect(box, &EditableComboBox::enterPressed, this, &LINKTEXT::ok);
}

void LINKTEXT::setLinkFields(const LinkFields& fields) {
    SetLineEditBytes(linkText_, fields.linkText);
    SetLineEditBytes(url_->lineEdit(), fields.url);
    SetLineEditBytes(target_->lineEdit(), fields.target);
}

LinkFields LINKTEXT::fields() const {
    LinkFields f;
    f.linkText = LineEditBytes(linkText_);
    f.url = LineEditBytes(url_->lineEdit());
    f.target = LineEditBytes(target_->lineEdit());
    f.bookmark = bookmark_->isChecked();
    f.bookmarkName = LineEditBytes(bookmarkName_);
    return f;
}

void LINKTEXT::bookmarkToggled(bool ticked) {
    // Hiding keeps the name: it is only ignored while unticked.
    bookmarkLabel_->setVisible(ticked);
    bookmarkName_->setVisible(ticked);
    if (ticked) bookmarkName_->setFocus();
}

void LINKTEXT::ok() {
    saveUndoSnapshot();
    LinkBuild result = BuildLinkTag(fields());
    if (result.clearUrl) url_->setEditText(QString());
    finish(result);
}

void OpenLinkDialog(AppContext& ctx, DocumentView& view, QWidget* parent) {
    LINKTEXT dialog(ctx, view, parent);
    dialog.exec();
}

void EditLinkTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText) {
    LINKTEXT dialog(ctx, view, parent);
    dialog.setLinkFields(LinkFieldsFromTag(tagText));
    dialog.exec();
}

}  // namespace quillane
