#include "makers/ui/table_size_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "builders/color_choice.h"
#include "builders/ui/dialog_widgets.h"
#include "makers/ui/maker_widgets.h"
#include "makers/ui/pick_swatch.h"

namespace quillane {

namespace {

// The longest colour text, RRGGBB.
constexpr int kColorTextLength = 6;

// An editable list whose Enter goes on as the text boxes' does.
EditableComboBox* EditableCombo(const char* name, const QStringList& items, QWidget* parent) {
    EditableComboBox* combo = NewEditableCombo(parent, name, items);
    EnterPressesDefault(combo);
    return combo;
}

QStringList Percentages() {
    QStringList out;
    for (int p = 10; p <= 100; p += 10) out << QString::number(p) + "%";
    return out;
}

QLineEdit* LineEdit(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

TableSizeForm::TableSizeForm(AppContext& ctx, QWidget* parent)
    : MakerDialog(ctx, parent), wizard_(UseTableWizard(ctx.platform.store)) {
    setObjectName("TableSizeForm");
    setWindowTitle("Table Properties");
    if (wizard_)
        buildWizard();
    else
        buildSinglePage();
    // Both Border boxes start ticked, yet the inputs that depend on them start
    // disabled until the box is toggled (the wizard's border size excepted).
    border_->setChecked(true);
    for (QWidget* w : borderInputs_) w->setEnabled(false);
    above_->setEnabled(false);
    below_->setEnabled(false);
    connectInputs();
    ClearTableColorAttributes(ctx_.tableSettings);
    if (wizard_) showStep(1);
}

QLineEdit* TableSizeForm::colorBox(const char* name) {
    QLineEdit* box = LineEdit(name, this);
    box->setMaxLength(kColorTextLength);
    return box;
}

PickSwatch* TableSizeForm::swatch(const char* name, QLineEdit* box) {
    auto* s = new PickSwatch(this);
    s->setObjectName(name);
    connect(s, &PickSwatch::clicked, this, [this, s, box] { pick(s, box); });
    return s;
}

void TableSizeForm::buildWizard() {
    stepLabel_ = new QLabel(this);
    stepLabel_->setObjectName("Label24");
    QFont stepFont = stepLabel_->font();
    stepFont.setBold(true);
    stepLabel_->setFont(stepFont);
    noteLabel_ = new QLabel(this);
    noteLabel_->setObjectName("Label25");
    pages_ = new QStackedWidget(this);

    // Step 1: the size.
    auto* page1 = new QWidget(pages_);
    page1->setObjectName("Picture1");
    rows_ = LineEdit("Text9", page1);
    columns_ = LineEdit("Text10", page1);
    auto* next1 = Button("Command7", "&Next >>", page1);
    auto* g1 = new QGridLayout(page1);
    g1->addWidget(Note("Enter the number of Rows and Columns in your Table.  You can change the number of rows and "
                       "columns while you are inputting the cell contents later on.",
                       page1),
                  0, 0, 1, 2);
    g1->addWidget(Caption("# of Rows:", rows_, page1), 1, 0);
    g1->addWidget(rows_, 1, 1);
    g1->addWidget(Caption("# of Columns:", columns_, page1), 2, 0);
    g1->addWidget(columns_, 2, 1);
    g1->setRowStretch(3, 1);
    g1->addWidget(next1, 4, 1, Qt::AlignRight);

    // Step 2: caption and border.
    auto* page2 = new QWidget(pages_);
    page2->setObjectName("Picture2");
    auto* captionFrame = new QGroupBox("Table Caption", page2);
    caption_ = LineEdit("Text1", captionFrame);
    above_ = new QRadioButton("Put the caption above the table", captionFrame);
    above_->setObjectName("Option1");
    below_ = new QRadioButton("Put the caption below the table", captionFrame);
    below_->setObjectName("Option2");
    auto* cf = new QVBoxLayout(captionFrame);
    cf->addWidget(Note("If you wish to have a caption to describe the table's contents, type it below:", captionFrame));
    cf->addWidget(caption_);
    cf->addWidget(above_);
    cf->addWidget(below_);
    auto* borderFrame = new QGroupBox(page2);
    border_ = new QCheckBox("Border", borderFrame);
    border_->setObjectName("Check1");
    auto* borderSize = EditableCombo("Combo1", Numbers(1, 10), borderFrame);
    borderSize_ = [borderSize] { return borderSize->currentText(); };
    borderSizeInput_ = borderSize;
    auto* bf = new QGridLayout(borderFrame);
    bf->addWidget(Note("If you wish to have borders around your table and table cells, specify below:", borderFrame),
                  0, 0, 1, 3);
    bf->addWidget(border_, 1, 0);
    bf->addWidget(Caption("Border Size:", borderSize, borderFrame), 1, 1);
    bf->addWidget(borderSize, 1, 2);
    auto* previous2 = Button("Command8", "<< &Previous", page2);
    auto* next2 = Button("Command3", "&Next >>", page2);
    auto* g2 = new QGridLayout(page2);
    g2->addWidget(captionFrame, 0, 0, 1, 2);
    g2->addWidget(borderFrame, 1, 0, 1, 2);
    g2->addWidget(previous2, 2, 0, Qt::AlignLeft);
    g2->addWidget(next2, 2, 1, Qt::AlignRight);

    // Step 3: dimensions and spacing.
    auto* page3 = new QWidget(pages_);
    page3->setObjectName("Picture3");
    auto* dimensions = new QGroupBox("Enter the dimensions of the table", page3);
    width_ = EditableCombo("Combo3", Percentages(), dimensions);
    height_ = EditableCombo("Combo4", Percentages(), dimensions);
    auto* df = new QGridLayout(dimensions);
    df->addWidget(Caption("Table Width (specified in pixels or percentage of browser width):", width_, dimensions),
                  0, 0);
    df->addWidget(width_, 0, 1);
    df->addWidget(Caption("Table Height (specified in pixels or percentage of browser height):", height_, dimensions),
                  1, 0);
    df->addWidget(height_, 1, 1);
    auto* spacingFrame = new QGroupBox(page3);
    spacing_ = LineEdit("Text2", spacingFrame);
    padding_ = LineEdit("Text3", spacingFrame);
    auto* sf = new QGridLayout(spacingFrame);
    sf->addWidget(Note("Cell Spacing is the amount of space between each cell.", spacingFrame), 0, 0, 1, 2);
    sf->addWidget(Caption("Cell Spacing (specified in pixels):", spacing_, spacingFrame), 1, 0);
    sf->addWidget(spacing_, 1, 1);
    sf->addWidget(Note("Cell Padding is the amount of space between the cell borders and the cell contents.",
                       spacingFrame),
                  2, 0, 1, 2);
    sf->addWidget(Caption("Cell Padding (specified in pixels):", padding_, spacingFrame), 3, 0);
    sf->addWidget(padding_, 3, 1);
    auto* previous3 = Button("Command6", "<< &Previous", page3);
    auto* next3 = Button("Command4", "&Next >>", page3);
    auto* g3 = new QGridLayout(page3);
    g3->addWidget(dimensions, 0, 0, 1, 2);
    g3->addWidget(spacingFrame, 1, 0, 1, 2);
    g3->addWidget(previous3, 2, 0, Qt::AlignLeft);
    g3->addWidget(next3, 2, 1, Qt::AlignRight);

    // Step 4: colours.
    auto* page4 = new QWidget(pages_);
    page4->setObjectName("Picture4");
    auto* colors = new QGroupBox("Table Colors", page4);
    bgColor_ = colorBox("Text4");
    borderColor_ = colorBox("Text5");
    borderColorLight_ = colorBox("Text7");
    borderColorDark_ = colorBox("Text8");
    auto* cg = new QGridLayout(colors);
    cg->addWidget(Note("Specify the table colors below.  BorderColorLight and BorderColorDark are very specific "
                       "settings that you will most likely not need to specify.",
                       colors),
                  0, 0, 1, 3);
    cg->addWidget(new QLabel("Pick", colors), 1, 2, Qt::AlignCenter);
    const int r = addColorRows(colors, cg, 2,
                               {{"Background Color:", bgColor_, "Label15", false},
                                {"*Border Color:", borderColor_, "Label16", true},
                                {"*BorderColorLight:", borderColorLight_, "Label17", true},
                                {"*BorderColorDark:", borderColorDark_, "Label18", true}});
    cg->addWidget(new QLabel("* Only supported by Internet Explorer", colors), r, 0, 1, 3);
    auto* previous4 = Button("Command5", "<< &Previous", page4);
    auto* finishButton = Button("Command1", "&Next >>", page4);
    auto* g4 = new QGridLayout(page4);
    g4->addWidget(colors, 0, 0, 1, 2);
    g4->addWidget(previous4, 1, 0, Qt::AlignLeft);
    g4->addWidget(finishButton, 1, 1, Qt::AlignRight);

    for (QWidget* page : {page1, page2, page3, page4}) pages_->addWidget(page);
    nextButtons_ = {next1, next2, next3, finishButton};
    connect(next1, &QPushButton::clicked, this, [this] { showStep(2); });
    connect(previous2, &QPushButton::clicked, this, [this] { showStep(1); });
    connect(next2, &QPushButton::clicked, this, [this] { showStep(3); });
    connect(previous3, &QPushButton::clicked, this, [this] { showStep(2); });
    connect(next3, &QPushButton::clicked, this, [this] { showStep(4); });
    connect(previous4, &QPushButton::clicked, this, [this] { showStep(3); });
    connect(finishButton, &QPushButton::clicked, this, &TableSizeForm::finish);

    auto* labels = new QHBoxLayout;
    labels->addWidget(stepLabel_);
    labels->addWidget(noteLabel_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labels);
    layout->addWidget(pages_);
}

int TableSizeForm::addColorRows(QGroupBox* colors, QGridLayout* grid, int row, std::initializer_list<ColorRow> rows) {
    for (const ColorRow& color : rows) {
        QLabel* label = Caption(color.caption, color.box, colors);
        PickSwatch* s = swatch(color.swatch, color.box);
        color.box->setParent(colors);
        s->setParent(colors);
        grid->addWidget(label, row, 0);
        grid->addWidget(color.box, row, 1);
        grid->addWidget(s, row, 2);
        if (color.border) borderInputs_.insert(borderInputs_.end(), {label, color.box, s});
        ++row;
    }
    return row;
}

void TableSizeForm::buildSinglePage() {
    auto* page = new QWidget(this);
    page->setObjectName("Picture5");

    rows_ = LineEdit("Text12", page);
    columns_ = LineEdit("Text11", page);
    border_ = new QCheckBox("Border", page);
    border_->setObjectName("Check2");
    QLineEdit* borderSize = LineEdit("Text13", page);
    borderSize_ = [borderSize] { return borderSize->text(); };
    borderSizeInput_ = borderSize;
    QLabel* borderSizeLabel = Caption("Border Size:", borderSize, page);
    borderInputs_ = {borderSizeLabel, borderSize};
    spacing_ = LineEdit("Text14", page);
    padding_ = LineEdit("Text15", page);
    width_ = EditableCombo("Combo5", Percentages(), page);
    height_ = EditableCombo("Combo2", Percentages(), page);

    auto* size = new QGridLayout;
    size->addWidget(new QLabel("Enter the number of Rows and Columns in your Table:", page), 0, 0, 1, 4);
    size->addWidget(Caption("# of Rows:", rows_, page), 1, 0);
    size->addWidget(rows_, 1, 1);
    size->addWidget(Caption("# of Columns:", columns_, page), 1, 2);
    size->addWidget(columns_, 1, 3);
    size->addWidget(border_, 2, 0);
    size->addWidget(borderSizeLabel, 2, 2);
    size->addWidget(borderSize, 2, 3);
    size->addWidget(Caption("Cell Spacing:", spacing_, page), 3, 0);
    size->addWidget(spacing_, 3, 1);
    size->addWidget(Caption("Cell Padding:", padding_, page), 3, 2);
    size->addWidget(padding_, 3, 3);
    size->addWidget(Caption("Table Width:", width_, page), 4, 0);
    size->addWidget(width_, 4, 1);
    size->addWidget(Caption("Table Height:", height_, page), 4, 2);
    size->addWidget(height_, 4, 3);

    auto* captionFrame = new QGroupBox("Table Caption", page);
    caption_ = LineEdit("Text16", captionFrame);
    above_ = new QRadioButton("Align Top", captionFrame);
    above_->setObjectName("Option3");
    below_ = new QRadioButton("Align Bottom", captionFrame);
    below_->setObjectName("Option4");
    auto* cf = new QVBoxLayout(captionFrame);
    cf->addWidget(caption_);
    cf->addWidget(above_);
    cf->addWidget(below_);

    auto* colors = new QGroupBox("Table Colors", page);
    bgColor_ = colorBox("Text17");
    borderColor_ = colorBox("Text18");
    borderColorLight_ = colorBox("Text19");
    borderColorDark_ = colorBox("Text20");
    auto* cg = new QGridLayout(colors);
    cg->addWidget(new QLabel("Pick", colors), 0, 2, Qt::AlignCenter);
    addColorRows(colors, cg, 1,
                 {{"Background Color:", bgColor_, "Label35", false},
                  {"Border Color:", borderColor_, "Label36", true},
                  {"BorderColorLight:", borderColorLight_, "Label37", true},
                  {"BorderColorDark:", borderColorDark_, "Label38", true}});

    auto* continueButton = Button("Command9", "Co&ntinue...", page);
    continueButton->setDefault(true);
    auto* cancel = Button("Command2", "&Cancel", page);
    connect(continueButton, &QPushButton::clicked, this, &TableSizeForm::finish);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(continueButton);
    buttons->addWidget(cancel);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(size);
    pageLayout->addWidget(captionFrame);
    pageLayout->addWidget(colors);
    pageLayout->addLayout(buttons);

    // The page fills the dialog from its top-left corner.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
}

void TableSizeForm::connectInputs() {
    connect(border_, &QCheckBox::toggled, this, [this](bool on) {
        setBorderInputsEnabled(on);
        if (on) borderSizeInput_->setFocus();
    });
    connect(caption_, &QLineEdit::textChanged, this, [this](const QString& text) {
        above_->setEnabled(!text.isEmpty());
        below_->setEnabled(!text.isEmpty());
    });
}

void TableSizeForm::setBorderInputsEnabled(bool enabled) {
    borderSizeInput_->setEnabled(enabled);
    for (QWidget* w : borderInputs_) w->setEnabled(enabled);
}

void TableSizeForm::showStep(int step) {
    step_ = step;
    const TableWizardStep& s = TableWizardStepAt(step);
    pages_->setCurrentIndex(step - 1);
    stepLabel_->setText(s.stepLabel);
    noteLabel_->setText(s.note);
    // Enter on a page goes on to the next step.
    nextButtons_[static_cast<std::size_t>(step - 1)]->setDefault(true);
    if (auto* focus = pages_->currentWidget()->findChild<QWidget*>(s.focus)) focus->setFocus();
}

TableSizeFields TableSizeForm::fields() const {
    TableSizeFields f;
    f.rows = Text(rows_);
    f.columns = Text(columns_);
    f.caption = Text(caption_);
    f.captionAbove = above_->isChecked();
    f.captionBelow = below_->isChecked();
    f.border = border_->isChecked();
    f.borderSize = borderSize_().toStdString();
    f.width = width_->currentText().toStdString();
    f.height = height_->currentText().toStdString();
    f.cellSpacing = Text(spacing_);
    f.cellPadding = Text(padding_);
    f.bgColor = Text(bgColor_);
    f.borderColor = Text(borderColor_);
    f.borderColorLight = Text(borderColorLight_);
    f.borderColorDark = Text(borderColorDark_);
    return f;
}

void TableSizeForm::finish() {
    auto result = BuildTableSettings(fields());
    if (const auto* message = std::get_if<std::string>(&result)) {
        ctx_.messages().say(*message);
        return;
    }
    ctx_.tableSettings = std::get<TableSettings>(result);
    accept();
}

void TableSizeForm::pick(PickSwatch* swatch, QLineEdit* box) {
    const ColorChoice choice = ChooseColor(ctx_);
    if (choice.cancelled) return;
    box->setText(QString::fromStdString(choice.text));
    box->setFocus();
    swatch->setColor(HexColorToRGB(choice.text));
}

}  // namespace quillane
