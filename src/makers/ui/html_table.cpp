#include "makers/ui/html_table.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/ui/widget_twips.h"
#include "builders/color_choice.h"
#include "builders/ui/dialog_widgets.h"
#include "makers/cell_text.h"
#include "makers/table_count.h"
#include "makers/table_maker.h"
#include "makers/table_preview.h"
#include "makers/ui/maker_widgets.h"
#include "makers/ui/pick_swatch.h"

namespace quillane {

namespace {

// Sizes of the grid's data lines in twips, as opened and as the scroll bars
// allow them.
constexpr int kRowHeight = 600;
constexpr int kColumnWidth = 2500;
constexpr int kMinRowHeight = 100;
constexpr int kMaxRowHeight = 1000;
constexpr int kMinColumnWidth = 350;
constexpr int kMaxColumnWidth = 2500;
constexpr int kCellColorLength = 6;

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

HTMLTable::HTMLTable(AppContext& ctx, QWidget* parent)
    : MakerDialog(ctx, parent),
      texts_(kMaxTableRows, std::vector<std::string>(kMaxTableColumns)) {
    setObjectName("HTMLTable");
    setWindowTitle("Table Maker");
    buildControls();

    const TableGridSize size = OpenTableGrid(ctx_.tableSettings);
    setGridSize(size.rows, size.columns);
    makeCurrent(1, 1);

    const bool bordered = !ctx_.tableSettings.borderAttr.empty();
    for (QWidget* w : borderColorInputs_) w->setEnabled(bordered);
}

EditableComboBox* HTMLTable::propertyCombo(const char* name, CellProperty property, const QStringList& items) {
    EditableComboBox* combo = NewEditableCombo(this, name, items);
    inputs_.push_back({.property = property, .combo = combo});
    return combo;
}

QLineEdit* HTMLTable::propertyBox(const char* name, CellProperty property, int maxLength) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    if (maxLength > 0) box->setMaxLength(maxLength);
    inputs_.push_back({.property = property, .box = box});
    return box;
}

PickSwatch* HTMLTable::swatchFor(const char* name, QLineEdit* box) {
    auto* swatch = new PickSwatch(this);
    swatch->setObjectName(name);
    for (PropertyInput& input : inputs_)
        if (input.box == box) input.swatch = swatch;
    connect(swatch, &PickSwatch::clicked, this, [this, swatch, box] { pick(swatch, box); });
    return swatch;
}

void HTMLTable::buildControls() {
    grid_ = new QTableWidget(this);
    grid_->setObjectName("Grid1");
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setMinimumSize(480, 300);
    grid_->installEventFilter(this);

    cellText_ = new QLineEdit(this);
    cellText_->setObjectName("Text7");
    cellText_->installEventFilter(this);

    // The cell properties.
    EditableComboBox* rowSpan = propertyCombo("Combo6", CellProperty::RowSpan, Numbers(1, 10));
    EditableComboBox* colSpan = propertyCombo("Combo5", CellProperty::ColSpan, Numbers(1, 10));
    EditableComboBox* align = propertyCombo("Combo2", CellProperty::Align, {"Left", "Right", "Center"});
    EditableComboBox* vAlign = propertyCombo("Combo1", CellProperty::VAlign, {"Top", "Bottom", "Middle"});
    QLineEdit* bgColor = propertyBox("Text1", CellProperty::BgColor, kCellColorLength);
    QLineEdit* borderColor = propertyBox("Text2", CellProperty::BorderColor, kCellColorLength);
    QLineEdit* borderLight = propertyBox("Text3", CellProperty::BorderColorLight, kCellColorLength);
    QLineEdit* borderDark = propertyBox("Text8", CellProperty::BorderColorDark, kCellColorLength);
    auto* header = new QCheckBox("Table Header", this);
    header->setObjectName("Check2");
    inputs_.push_back({.property = CellProperty::Header, .check = header});
    EditableComboBox* fontFace = propertyCombo("Combo3", CellProperty::FontFace, QFontDatabase::families());
    EditableComboBox* fontSize = propertyCombo("Combo4", CellProperty::FontSize, Numbers(1, 7));
    QLineEdit* fontColor = propertyBox("Text6", CellProperty::FontColor, 0);
    // Hidden copies of the span inputs, kept for the names they had.
    QLineEdit* colSpanCopy = propertyBox("Text4", CellProperty::ColSpan, 0);
    QLineEdit* rowSpanCopy = propertyBox("Text5", CellProperty::RowSpan, 0);
    colSpanCopy->hide();
    rowSpanCopy->hide();

    PickSwatch* bgSwatch = swatchFor("Label6", bgColor);
    PickSwatch* borderSwatch = swatchFor("Label5", borderColor);
    PickSwatch* lightSwatch = swatchFor("Label4", borderLight);
    PickSwatch* darkSwatch = swatchFor("Label3", borderDark);
    PickSwatch* fontSwatch = swatchFor("Label21", fontColor);

    auto* properties = new QGroupBox("Cell Properties", this);
    auto* pg = new QGridLayout(properties);
    pg->addWidget(Caption("Row Span:", rowSpan, this), 0, 0);
    pg->addWidget(rowSpan, 0, 1);
    pg->addWidget(Caption("Column Span:", colSpan, this), 1, 0);
    pg->addWidget(colSpan, 1, 1);
    pg->addWidget(Caption("Horizontal Align:", align, this), 2, 0);
    pg->addWidget(align, 2, 1);
    pg->addWidget(Caption("Vertical Align:", vAlign, this), 3, 0);
    pg->addWidget(vAlign, 3, 1);
    pg->addWidget(new QLabel("Pick", this), 4, 2, Qt::AlignCenter);
    struct ColorRow {
        const char* caption;
        QLineEdit* box;
        PickSwatch* swatch;
        bool border;
    };
    const ColorRow colors[] = {{"Background Color:", bgColor, bgSwatch, false},
                               {"Border Color:", borderColor, borderSwatch, true},
                               {"BorderColorLight:", borderLight, lightSwatch, true},
                               {"BorderColorDark:", borderDark, darkSwatch, true}};
    int row = 5;
    for (const ColorRow& c : colors) {
        QLabel* label = Caption(c.caption, c.box, this);
        pg->addWidget(label, row, 0);
        pg->addWidget(c.box, row, 1);
        pg->addWidget(c.swatch, row, 2);
        if (c.border) borderColorInputs_.insert(borderColorInputs_.end(), {label, c.box, c.swatch});
        ++row;
    }
    pg->addWidget(header, row, 0, 1, 3);

    auto* font = new QGroupBox("Font", this);
    auto* fg = new QGridLayout(font);
    fg->addWidget(Caption("Name:", fontFace, this), 0, 0);
    fg->addWidget(fontFace, 0, 1, 1, 2);
    fg->addWidget(Caption("Size:", fontSize, this), 1, 0);
    fg->addWidget(fontSize, 1, 1, 1, 2);
    fg->addWidget(Caption("Color:", fontColor, this), 2, 0);
    fg->addWidget(fontColor, 2, 1);
    fg->addWidget(fontSwatch, 2, 2);

    // The table's size and the grid's line sizes.
    auto* sizeFrame = new QGroupBox("Change size of Table:", this);
    rowsBox_ = new QLineEdit(sizeFrame);
    rowsBox_->setObjectName("Text9");
    columnsBox_ = new QLineEdit(sizeFrame);
    columnsBox_->setObjectName("Text10");
    auto* sg = new QGridLayout(sizeFrame);
    sg->addWidget(Caption("Rows:", rowsBox_, sizeFrame), 0, 0);
    sg->addWidget(rowsBox_, 0, 1);
    sg->addWidget(Caption("Columns:", columnsBox_, sizeFrame), 1, 0);
    sg->addWidget(columnsBox_, 1, 1);

    columnWidth_ = new QScrollBar(Qt::Horizontal, this);
    columnWidth_->setObjectName("HScroll1");
    columnWidth_->setRange(kMinColumnWidth, kMaxColumnWidth);
    columnWidth_->setSingleStep(50);
    columnWidth_->setPageStep(200);
    columnWidth_->setValue(kColumnWidth);
    columnWidth_->setToolTip("Column width");
    rowHeight_ = new QScrollBar(Qt::Vertical, this);
    rowHeight_->setObjectName("VScroll1");
    rowHeight_->setRange(kMinRowHeight, kMaxRowHeight);
    rowHeight_->setSingleStep(10);
    rowHeight_->setPageStep(50);
    rowHeight_->setValue(kRowHeight);
    rowHeight_->setToolTip("Row height");

    auto* done = Button("Command1", "&Done", this);
    done->setDefault(true);
    auto* cancel = Button("Command2", "&Cancel", this);
    auto* previewButton = Button("Command3", "&Preview Table", this);
    auto* image = Button("Command4", "&Insert Image...", this);
    QPushButton* help = addHelpButton();

    // Layout: the grid with its size bars on the left, the cell text below
    // it; properties and buttons on the right.
    auto* gridArea = new QGridLayout;
    gridArea->addWidget(grid_, 0, 0);
    gridArea->addWidget(rowHeight_, 0, 1);
    gridArea->addWidget(columnWidth_, 1, 0);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(Caption("Cell Text:", cellText_, this));
    textRow->addWidget(cellText_, 1);
    textRow->addWidget(image);
    auto* left = new QVBoxLayout;
    left->addLayout(gridArea, 1);
    left->addLayout(textRow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(done);
    buttons->addWidget(cancel);
    buttons->addWidget(previewButton);
    buttons->addWidget(help);
    auto* right = new QVBoxLayout;
    right->addWidget(properties);
    right->addWidget(font);
    right->addWidget(sizeFrame);
    right->addStretch();
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    // Every change of a property input is stored at once.
    for (const PropertyInput& input : inputs_) {
        if (input.combo) {
            EditableComboBox* combo = input.combo;
            connect(combo, &QComboBox::editTextChanged, this, [this, input](const QString& text) {
                storeProperty(input, text, PropertyEdit::Typed);
            });
            // Only an item taken from the list reaches the block; typed text,
            // even an item's, stays in the current cell however the box is left.
            connect(combo, &EditableComboBox::chosen, this, [this, input, combo](int index) {
                storeProperty(input, combo->itemText(index), PropertyEdit::Picked);
            });
            connect(combo, &EditableComboBox::enterPressed, this, &HTMLTable::finishTable);
        } else if (input.box) {
            connect(input.box, &QLineEdit::textChanged, this,
                    [this, input](const QString& text) { storeProperty(input, text, PropertyEdit::Typed); });
        } else if (input.check) {
            connect(input.check, &QCheckBox::toggled, this, [this, input](bool on) {
                storeProperty(input, on ? "1" : "0", PropertyEdit::Picked);
            });
        }
    }

    connect(grid_, &QTableWidget::currentCellChanged, this, &HTMLTable::gridMoved);
    connect(grid_, &QTableWidget::itemSelectionChanged, this, &HTMLTable::gridMoved);
    connect(grid_, &QTableWidget::cellClicked, this, &HTMLTable::focusCellText);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &HTMLTable::focusCellText);
    connect(cellText_, &QLineEdit::textChanged, this, &HTMLTable::cellTextChanged);
    connect(rowsBox_, &QLineEdit::textChanged, this, [this](const QString& text) { resizeTable(true, text); });
    connect(columnsBox_, &QLineEdit::textChanged, this, [this](const QString& text) { resizeTable(false, text); });
    connect(columnWidth_, &QScrollBar::valueChanged, this, &HTMLTable::applyColumnWidth);
    connect(rowHeight_, &QScrollBar::valueChanged, this, &HTMLTable::applyRowHeight);
    connect(done, &QPushButton::clicked, this, &HTMLTable::finishTable);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(previewButton, &QPushButton::clicked, this, &HTMLTable::preview);
    connect(image, &QPushButton::clicked, this, &HTMLTable::insertImage);
}

int HTMLTable::currentRow() const { return grid_->currentRow() + 1; }
int HTMLTable::currentColumn() const { return grid_->currentColumn() + 1; }

CellBlock HTMLTable::selectedBlock() const {
    const QList<QTableWidgetSelectionRange> ranges = grid_->selectedRanges();
    if (ranges.isEmpty()) return {currentRow(), currentRow(), currentColumn(), currentColumn()};
    CellBlock block{ranges[0].topRow() + 1, ranges[0].bottomRow() + 1, ranges[0].leftColumn() + 1,
                    ranges[0].rightColumn() + 1};
    for (const QTableWidgetSelectionRange& r : ranges) {
        block.firstRow = std::min(block.firstRow, r.topRow() + 1);
        block.lastRow = std::max(block.lastRow, r.bottomRow() + 1);
        block.firstColumn = std::min(block.firstColumn, r.leftColumn() + 1);
        block.lastColumn = std::max(block.lastColumn, r.rightColumn() + 1);
    }
    return block;
}

CellTextGrid HTMLTable::cellTexts() const {
    CellTextGrid out;
    for (int row = 0; row < grid_->rowCount(); ++row)
        out.emplace_back(texts_[row].begin(), texts_[row].begin() + grid_->columnCount());
    return out;
}

void HTMLTable::setGridSize(int rows, int columns) {
    loading_ = true;
    grid_->setRowCount(rows);
    grid_->setColumnCount(columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (grid_->item(row, column)) continue;
            auto* item = new QTableWidgetItem(QString::fromStdString(texts_[row][column]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid_->setItem(row, column, item);
        }
    }
    // The header row and column number the data lines.
    grid_->setVerticalHeaderLabels(Numbers(1, rows));
    grid_->setHorizontalHeaderLabels(Numbers(1, columns));
    applyRowHeight(rowHeight_->value());
    applyColumnWidth(columnWidth_->value());
    loading_ = false;
}

void HTMLTable::applyRowHeight(int twips) {
    const int pixels = TwipsToPixelsY(*this, twips);
    for (int row = 0; row < grid_->rowCount(); ++row) grid_->setRowHeight(row, pixels);
}

void HTMLTable::applyColumnWidth(int twips) {
    const int pixels = TwipsToPixelsX(*this, twips);
    for (int column = 0; column < grid_->columnCount(); ++column) grid_->setColumnWidth(column, pixels);
}

void HTMLTable::makeCurrent(int row, int column) {
    if (row < 1 || row > grid_->rowCount() || column < 1 || column > grid_->columnCount()) return;
    grid_->setCurrentCell(row - 1, column - 1);
    gridMoved();
}

void HTMLTable::gridMoved() {
    if (loading_) return;
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 1 || column < 1) return;
    const QString text = QString::fromStdString(texts_[row - 1][column - 1]);
    loading_ = true;
    // Left alone when it already shows the cell, so that the caret stays.
    if (cellText_->text() != text) cellText_->setText(text);
    loading_ = false;
    if (selectedBlock().singleCell()) loadProperties();
}

void HTMLTable::loadProperties() {
    const CellFormat& format = ctx_.cellProperties.at(currentRow(), currentColumn());
    loading_ = true;
    for (const PropertyInput& input : inputs_) {
        const QString value = QString::fromStdString(CellPropertyText(format, input.property));
        if (input.combo) input.combo->setEditText(value);
        if (input.box) input.box->setText(value);
        if (input.check) input.check->setChecked(format.header == 1);
        if (input.swatch) input.swatch->setColor(HexColorToRGB(input.box->text().toStdString()));
    }
    loading_ = false;
}

void HTMLTable::storeProperty(const PropertyInput& input, const QString& value, PropertyEdit how) {
    if (loading_) return;
    const CellBlock block = selectedBlock();
    const std::string text = value.toStdString();
    StoreCellProperty(ctx_.cellProperties, input.property, text, how, block, currentRow(), currentColumn());
    if (input.swatch && block.singleCell()) input.swatch->setColor(HexColorToRGB(text));
}

void HTMLTable::cellTextChanged(const QString& text) {
    if (loading_) return;
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 1 || column < 1) return;
    const std::string bytes = text.toStdString();
    if (!CellTextFits(bytes)) {
        ctx_.messages().say(kCellTextTooLongMessage);
        // The box goes back to what the cell holds.
        loading_ = true;
        cellText_->setText(QString::fromStdString(texts_[row - 1][column - 1]));
        loading_ = false;
        return;
    }
    setCellText(row, column, bytes);
}

void HTMLTable::setCellText(int row, int column, const std::string& text) {
    texts_[row - 1][column - 1] = text;
    if (QTableWidgetItem* item = grid_->item(row - 1, column - 1)) item->setText(QString::fromStdString(text));
}

void HTMLTable::collapseSelection() {
    if (selectedBlock().singleCell()) return;
    const QModelIndex current = grid_->currentIndex();
    if (current.isValid())
        grid_->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
}

void HTMLTable::moveDown() {
    if (currentRow() < grid_->rowCount()) makeCurrent(currentRow() + 1, currentColumn());
}

void HTMLTable::focusCellText() {
    cellText_->setFocus();
    cellText_->setCursorPosition(cellText_->text().length());
}

bool HTMLTable::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return MakerDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == cellText_) {
        collapseSelection();
        if (IsEnter(key)) {
            moveDown();
            return true;
        }
    } else if (watched == grid_) {
        if (IsEnter(key)) {
            moveDown();
            return true;
        }
        // A character typed on the grid starts the cell's text anew.
        const QString typed = key->text();
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!command && !typed.isEmpty() && typed.at(0).isPrint()) {
            cellText_->setFocus();
            cellText_->setText(typed);
            cellText_->setCursorPosition(typed.length());
            return true;
        }
    }
    return MakerDialog::eventFilter(watched, event);
}

void HTMLTable::resizeTable(bool rows, const QString& text) {
    const TableCount count = ReadTableCount(text.toStdString());
    if (count.kind == TableCountKind::Default) return;
    if (Refused(count)) {
        ctx_.messages().say(rows ? kMaxTableRowsMessage : kMaxTableColumnsMessage);
        return;
    }
    TableSettings& settings = ctx_.tableSettings;
    (rows ? settings.rows : settings.columns) = static_cast<std::int16_t>(count.value);
    setGridSize(settings.rows, settings.columns);
    makeCurrent(1, 1);
}

void HTMLTable::insertImage() {
    if (std::optional<std::string> tag = BrowseCellImage(ctx_)) {
        cellText_->insert(QString::fromStdString(*tag));
        cellText_->setFocus();
    }
}

void HTMLTable::finishTable() {
    InsertTable(ctx_, cellTexts());
    accept();
}

void HTMLTable::preview() { PreviewTable(ctx_, cellTexts()); }

void HTMLTable::pick(PickSwatch* swatch, QLineEdit* box) {
    const ColorChoice choice = ChooseColor(ctx_);
    if (choice.cancelled) return;
    box->setText(QString::fromStdString(choice.text));
    box->setFocus();
    swatch->setColor(HexColorToRGB(choice.text));
}

}  // namespace quillane
