#include "editor/ui/search_dialog_base.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "editor/find_replace.h"

namespace quillane {

SearchDialogBase::SearchDialogBase(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setModal(false);
    setMouseTracking(true);
    OnSearchDialogLoaded(ctx_);

    direction_ = new QGroupBox("Direction", this);
    direction_->setObjectName("Frame1");
    up_ = new QRadioButton("&Up", direction_);
    up_->setObjectName("optDirection(0)");
    down_ = new QRadioButton("&Down", direction_);
    down_->setObjectName("optDirection(1)");
    down_->setChecked(ctx_.search.searchDown);
    up_->setChecked(!ctx_.search.searchDown);
    auto* options = new QVBoxLayout(direction_);
    options->addWidget(up_);
    options->addWidget(down_);

    // The box shows the case rule in force, which outlives the dialogs.
    matchCase_ = new QCheckBox("Match &Case", this);
    matchCase_->setObjectName("chkCase");
    matchCase_->setChecked(ctx_.search.matchCase);

    connect(up_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetSearchDirection(ctx_, 0);
    });
    connect(down_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetSearchDirection(ctx_, 1);
    });
    connect(matchCase_, &QCheckBox::toggled, this, [this](bool on) { SetMatchCase(ctx_, on); });
}

void SearchDialogBase::mouseMoveEvent(QMouseEvent* event) {
    OnSearchDialogMouseMove(ctx_);
    QDialog::mouseMoveEvent(event);
}

}  // namespace quillane
