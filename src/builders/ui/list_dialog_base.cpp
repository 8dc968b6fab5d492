#include "builders/ui/list_dialog_base.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_context.h"

namespace quillane {

ListDialogBase::ListDialogBase(AppContext& ctx, DocumentView& view, QWidget* parent)
    : BuilderDialog(ctx, parent, OnClose::ClearTagMode), view_(view), editTagScope_(ctx) {}

void ListDialogBase::addListButtons(const char* startName, const char* addName, const char* closeName) {
    startButton_ = new QPushButton("&Start a New List", this);
    startButton_->setObjectName(startName);
    addButton_ = new QPushButton(this);
    addButton_->setObjectName(addName);
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(closeName);
    connect(startButton_, &QPushButton::clicked, this, &ListDialogBase::start);
    connect(addButton_, &QPushButton::clicked, this, &ListDialogBase::add);
    connect(closeButton_, &QPushButton::clicked, this, &ListDialogBase::closeOrFinish);
    showState();
}

QWidget* ListDialogBase::helpFrame(const char* itemWord) {
    auto* frame = new QGroupBox("Help", this);
    frame->setObjectName("SSFrame2");
    auto* label = new QLabel(QString("Start a New List writes the list's start tag and the first %1. "
                                     "Add to Existing List writes %1s into a list already in the page; "
                                     "once a list is started here it adds the next %1. "
                                     "Done writes any pending %1 and, for a list started here, its end tag.")
                                 .arg(itemWord),
                             frame);
    label->setObjectName("Label1");
    label->setWordWrap(true);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(label, 1);
    layout->addWidget(addHelpButton(), 0, Qt::AlignTop);
    return frame;
}

void ListDialogBase::start() {
    if (state_ != ListState::Fresh) return;
    apply(StartList(fields()), StateAfterStart());
}

void ListDialogBase::add() { apply(AddListItem(fields()), StateAfterAdd(state_)); }

bool ListDialogBase::apply(const ListBuild& result, ListState next) {
    if (!result.ok()) {
        ctx_.messages().say(result.message);
        box(result.focus)->setFocus();
        return false;
    }
    InsertText(view_, result.snippet, false);
    state_ = next;
    showState();
    clearItemBoxes();
    box(ListBox::Item)->setFocus();
    return true;
}

void ListDialogBase::closeOrFinish() {
    if (state_ == ListState::Fresh) {
        reject();
        return;
    }
    const std::string rest = FinishList(fields(), state_);
    if (!rest.empty()) InsertText(view_, rest, false);
    accept();
}

void ListDialogBase::showState() {
    startButton_->setEnabled(state_ == ListState::Fresh);
    addButton_->setText(ListAddCaption(state_));
    closeButton_->setText(ListCloseCaption(state_));
    // Enter in a box runs the button that writes the next item: Start while
    // nothing is written, Add afterwards.
    startButton_->setDefault(state_ == ListState::Fresh);
    addButton_->setDefault(state_ != ListState::Fresh);
}

}  // namespace quillane
