#include "builders/ui/applet_dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_context.h"
#include "builders/image_align.h"
#include "builders/ui/applet_align_preview.h"
#include "editor/insertion.h"

namespace quillane {

namespace {

QLineEdit* Box(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* b : buttons) row->addWidget(b);
    return row;
}

}  // namespace

Applet::Applet(AppContext& ctx, DocumentView& view, QWidget* parent) : MultimediaDialogBase(ctx, view, parent) {
    setObjectName("Applet");
    setWindowTitle("Java Applet");

    code_ = Box(this, "Text1");
    alt_ = Box(this, "Text4");
    codebase_ = Box(this, "Text5");
    height_ = Box(this, "Text2");
    width_ = Box(this, "Text3");
    vspace_ = Box(this, "Text6");
    hspace_ = Box(this, "Text7");
    align_ = new QComboBox(this);
    align_->setObjectName("Combo1");
    align_->addItems({"None", "Top", "Middle", "Bottom(Default)", "Left", "Right", "Texttop", "Absmiddle",
                      "Baseline", "Absbottom"});
    align_->setCurrentIndex(-1);
    preview_ = new AppletAlignPreview(this);

    QPushButton* ok = addButton("Command1", "&OK");
    QPushButton* cancel = addButton("Command2", "&Cancel");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    layout->addWidget(addLabel("Label1", "Enter name of Java Applet:"), 0, 0, 1, 4);
    layout->addWidget(code_, 1, 0, 1, 4);
    layout->addWidget(addLabel("Label4", "ALTernative text for browsers not supporting Java:"), 2, 0, 1, 4);
    layout->addWidget(alt_, 3, 0, 1, 4);
    layout->addWidget(addLabel("Label5", "Codebase (Applet directory):"), 4, 0, 1, 4);
    layout->addWidget(codebase_, 5, 0, 1, 4);
    layout->addWidget(addLabel("Label2", "Height:"), 6, 0);
    layout->addWidget(height_, 6, 1);
    layout->addWidget(addLabel("Label3", "Width:"), 6, 2);
    layout->addWidget(width_, 6, 3);
    layout->addWidget(addLabel("Label6", "Vspace:"), 7, 0);
    layout->addWidget(vspace_, 7, 1);
    layout->addWidget(addLabel("Label7", "Hspace:"), 7, 2);
    layout->addWidget(hspace_, 7, 3);
    layout->addWidget(addLabel("Label8", "Align:"), 8, 0);
    layout->addWidget(align_, 8, 1, 1, 3);
    layout->addWidget(preview_, 9, 0, 1, 4);
    layout->addLayout(ButtonRow({ok, cancel, help}), 10, 0, 1, 4);

    for (QWidget* box : {static_cast<QWidget*>(code_), static_cast<QWidget*>(alt_), static_cast<QWidget*>(codebase_),
                         static_cast<QWidget*>(height_), static_cast<QWidget*>(width_),
                         static_cast<QWidget*>(vspace_), static_cast<QWidget*>(hspace_),
                         static_cast<QWidget*>(align_)})
        runOnEnter(box, [this] { this->ok(); });
    connect(align_, &QComboBox::activated, this, &Applet::alignChosen);
    connect(ok, &QPushButton::clicked, this, &Applet::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    code_->setFocus();
}

void Applet::fillFromTag(std::string_view tagText) {
    const AppletTagFields tag = AppletFieldsFromTag(tagText);
    SetBoxBytes(alt_, tag.fields.alt);
    SetBoxBytes(width_, tag.fields.width);
    SetBoxBytes(height_, tag.fields.height);
    SetBoxBytes(code_, tag.fields.code);
    SetBoxBytes(codebase_, tag.fields.codebase);
    if (!tag.align.empty()) {
        alignValue_ = " ALIGN=" + tag.align;
        const ImageAlignItem* item = AlignItemForValue(tag.align);
        align_->setCurrentIndex(item ? align_->findText(item->item) : -1);
        showPreview(item ? QString(item->item) : QString());
    }
    SetBoxBytes(vspace_, tag.fields.vspace);
    SetBoxBytes(hspace_, tag.fields.hspace);
}

AppletFields Applet::fields() const {
    return {BoxBytes(code_),  BoxBytes(alt_),    BoxBytes(codebase_), BoxBytes(height_),
            BoxBytes(width_), BoxBytes(vspace_), BoxBytes(hspace_),   alignValue_};
}

void Applet::alignChosen(int index) {
    const QString item = align_->itemText(index);
    alignValue_ = AlignValue(item.toStdString());
    showPreview(item);
}

void Applet::showPreview(const QString& item) { preview_->showItem(item); }

void Applet::ok() {
    SaveUndoSnapshot(ctx_, view_);
    if (!insert(BuildAppletTag(fields()))) return;
    // A new applet gets its closing tag; an edited one keeps its own.
    if (!ctx_.editTagMode) InsertText(view_, kAppletCloseText, false);
    ctx_.editTagMode = false;
    accept();
}

Parametr::Parametr(AppContext& ctx, DocumentView& view, QWidget* parent) : MultimediaDialogBase(ctx, view, parent) {
    setObjectName("Parametr");
    setWindowTitle("Applet Parameter");

    name_ = Box(this, "Text1");
    value_ = Box(this, "Text2");
    QPushButton* insertButton = addButton("Command1", "&Insert");
    QPushButton* done = addButton("Command2", "&Done");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    layout->addWidget(addLabel("Label1", "Name:"), 0, 0);
    layout->addWidget(name_, 0, 1);
    layout->addWidget(addLabel("Label2", "Value:"), 1, 0);
    layout->addWidget(value_, 1, 1);
    layout->addLayout(ButtonRow({insertButton, done, help}), 2, 0, 1, 2);

    for (QLineEdit* box : {name_, value_}) runOnEnter(box, [this] { insertParam(); });
    connect(insertButton, &QPushButton::clicked, this, &Parametr::insertParam);
    connect(done, &QPushButton::clicked, this, &QDialog::reject);
    name_->setFocus();
}

void Parametr::setFields(const ParamFields& f) {
    SetBoxBytes(name_, f.name);
    SetBoxBytes(value_, f.value);
}

ParamFields Parametr::fields() const { return {BoxBytes(name_), BoxBytes(value_)}; }

void Parametr::insertParam() {
    SaveUndoSnapshot(ctx_, view_);
    insert(BuildParamTag(fields()));
}

}  // namespace quillane
