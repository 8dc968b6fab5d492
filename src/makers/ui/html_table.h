#pragma once
#include <string>
#include <vector>

#include "makers/cell_properties.h"
#include "makers/table_html.h"
#include "makers/ui/maker_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;

namespace quillane {

class EditableComboBox;
class PickSwatch;

// HTMLTable, the "Table Maker": the table of TableSettings as a grid (Grid1)
// whose cells the user fills through the cell text box (Text7) and the
// property inputs, which write into CellProperties as they change. Done
// inserts the table into the active document; Preview shows it in the first
// browser; Cancel keeps the cell properties for the next table.
class HTMLTable : public MakerDialog {
    Q_OBJECT

public:
    explicit HTMLTable(AppContext& ctx, QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }
    // The current cell and the selected block, rows and columns from 1.
    int currentRow() const;
    int currentColumn() const;
    CellBlock selectedBlock() const;
    // The texts of the table's R x C data cells.
    CellTextGrid cellTexts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A property input: a combo box, a text box or the header check box.
    struct PropertyInput {
        CellProperty property;
        EditableComboBox* combo = nullptr;
        QLineEdit* box = nullptr;
        QCheckBox* check = nullptr;
        PickSwatch* swatch = nullptr;
    };

    void buildControls();
    EditableComboBox* propertyCombo(const char* name, CellProperty property, const QStringList& items);
    QLineEdit* propertyBox(const char* name, CellProperty property, int maxLength);
    PickSwatch* swatchFor(const char* name, QLineEdit* box);

    void setGridSize(int rows, int columns);
    void applyRowHeight(int twips);
    void applyColumnWidth(int twips);
    void makeCurrent(int row, int column);
    void gridMoved();
    void loadProperties();
    void storeProperty(const PropertyInput& input, const QString& value, PropertyEdit how);
    void cellTextChanged(const QString& text);
    void setCellText(int row, int column, const std::string& text);
    void collapseSelection();
    void moveDown();
    void focusCellText();
    void resizeTable(bool rows, const QString& text);
    void insertImage();
    void finishTable();
    void preview();
    void pick(PickSwatch* swatch, QLineEdit* box);

    QTableWidget* grid_ = nullptr;
    QLineEdit* cellText_ = nullptr;  // Text7
    QLineEdit* rowsBox_ = nullptr;    // Text9
    QLineEdit* columnsBox_ = nullptr; // Text10
    QScrollBar* columnWidth_ = nullptr; // HScroll1
    QScrollBar* rowHeight_ = nullptr;   // VScroll1
    std::vector<PropertyInput> inputs_;
    // The cell border colours: usable only when the table has a border.
    std::vector<QWidget*> borderColorInputs_;

    // The text of every cell 1..50 x 1..50: a shrunk table gets the texts of
    // its cells back when it grows again, as it does their properties.
    std::vector<std::vector<std::string>> texts_;
    // Set while the inputs are filled from the stores, so that filling them
    // is not taken for an edit.
    bool loading_ = false;
};

}  // namespace quillane
