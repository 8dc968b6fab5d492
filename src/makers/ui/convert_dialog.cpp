#include "makers/ui/convert_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillane {

Convert::Convert(AppContext& ctx, QWidget* parent) : MakerDialog(ctx, parent), options_(new QButtonGroup(this)) {
    setObjectName("Convert");
    setWindowTitle("Convert to HTML");

    // One group for both frames: a table option clears the list option and
    // the other way round.
    options_->setExclusive(true);
    auto option = [this](const char* name, const QString& caption, ConvertOption value, QWidget* frame) {
        auto* button = new QRadioButton(caption, frame);
        button->setObjectName(name);
        options_->addButton(button, static_cast<int>(value));
        return button;
    };

    auto* table = new QGroupBox("Convert to Table", this);
    auto* tg = new QGridLayout(table);
    tg->addWidget(new QLabel("Example", table), 0, 1);
    struct Row {
        const char* name;
        const char* caption;
        ConvertOption value;
        const char* example;
    };
    const Row rows[] = {{"SSOption1", "Space Delimited", ConvertOption::SpaceDelimited, "Dog Cat Mouse"},
                        {"SSOption2", "Tab Delimited", ConvertOption::TabDelimited, "Dog       Cat       Mouse"},
                        {"SSOption3", "Comma Delimited", ConvertOption::CommaDelimited, "Dog, Cat, Mouse"}};
    int r = 1;
    for (const Row& row : rows) {
        tg->addWidget(option(row.name, row.caption, row.value, table), r, 0);
        tg->addWidget(new QLabel(row.example, table), r, 1);
        ++r;
    }

    auto* list = new QGroupBox("Convert to List", this);
    auto* lg = new QVBoxLayout(list);
    lg->addWidget(option("SSOption4", "Convert Selected Text to List", ConvertOption::List, list));

    auto* note = new QLabel(
        "You can convert selected text into HTML Lists or Tables.  For Tables, choose the appropriate delimiting "
        "character if the table items are separated by spaces, tabs, commas.  For Lists, choose the \"Convert to "
        "List\" option button.",
        this);
    note->setWordWrap(true);

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("Command2");
    connect(ok, &QPushButton::clicked, this, &Convert::convert);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(list);
    layout->addWidget(note);
    layout->addLayout(buttons);
}

ConvertOption Convert::option() const {
    const int id = options_->checkedId();
    return id < 0 ? ConvertOption::None : static_cast<ConvertOption>(id);
}

void Convert::convert() {
    if (ConvertSelection(ctx_, option())) accept();
}

}  // namespace quillane
