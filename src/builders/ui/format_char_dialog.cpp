#include "builders/ui/format_char_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "builders/color_choice.h"
#include "builders/ui/color_box.h"
#include "builders/ui/dialog_widgets.h"
#include "builders/ui/line_edit_bytes.h"
#include "editor/insertion.h"
#include "platform/shell.h"

namespace quillane {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename List>
QStringList Texts(const List& items) {
    QStringList out;
    for (std::string_view item : items) out << Text(item);
    return out;
}

std::string ComboBytes(const QComboBox* combo) { return LineEditBytes(combo->lineEdit()); }

}  // namespace

FormatChar::FormatChar(AppContext& ctx, DocumentView& view, QWidget* parent)
    : BuilderDialog(ctx, parent, OnClose::ClearTagMode), view_(view) {
    setObjectName("FormatChar");
    setWindowTitle("Format Characters");

    // Enter has no meaning here: the lists keep it to themselves.
    face_ = NewEditableCombo(this, "Combo3", QFontDatabase::families());

    color_ = new QLineEdit(this);
    color_->setObjectName("Text1");
    colorBox_ = new ColorBox(this);
    colorBox_->setObjectName("Label3");
    connect(colorBox_, &QPushButton::clicked, this, [this] { ChooseColorInto(ctx_, colorBox_, color_); });

    size_ = NewEditableCombo(this, "Combo1", Texts(kFontSizeItems));
    size_->setEditText("Default");
    auto* baseFont = new QCheckBox("BaseFont", this);
    baseFont->setObjectName("SSCheck16");

    position_ = NewEditableCombo(this, "Combo2", Texts(kPositionItems));
    position_->setEditText("Normal");

    auto* physical = new QGroupBox("Physical Styles", this);
    physical->setObjectName("SSFrame1");
    auto* logical = new QGroupBox("Logical Styles", this);
    logical->setObjectName("SSFrame2");
    auto* physicalLayout = new QVBoxLayout(physical);
    auto* logicalLayout = new QGridLayout(logical);
    for (std::size_t i = 0; i < kCharacterStyles.size(); ++i) {
        const CharacterStyle& style = kCharacterStyles[i];
        const bool isPhysical = i < kPhysicalStyleCount;
        auto* box = new QCheckBox(Text(style.caption), isPhysical ? physical : logical);
        box->setObjectName(Text(style.checkBox));
        styles_[i] = box;
        if (isPhysical) {
            physicalLayout->addWidget(box);
        } else {
            const int n = static_cast<int>(i - kPhysicalStyleCount);
            logicalLayout->addWidget(box, n % 5, n / 5);
        }
    }
    styles_[4]->setFont(QFont("Courier New"));

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("Command3");
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("Command2");
    for (QPushButton* button : {ok, cancel}) button->setAutoDefault(false);
    QPushButton* help = addHelpButton();

    auto* fields = new QGridLayout;
    auto addRow = [&](int row, const char* caption, const char* labelName, QWidget* field, QWidget* extra) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(labelName);
        label->setBuddy(field);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        if (extra) fields->addWidget(extra, row, 2);
    };
    addRow(0, "Font Face:", "Label1", face_, nullptr);
    addRow(1, "Font Color:", "Label2", color_, colorBox_);
    addRow(2, "Font Size:", "Label4", size_, baseFont);
    addRow(3, "Position:", "Label5", position_, nullptr);

    auto* styles = new QHBoxLayout;
    styles->addWidget(physical);
    styles->addWidget(logical);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(styles);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &FormatChar::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CharacterFormatFields FormatChar::fields() const {
    CharacterFormatFields f;
    f.face = ComboBytes(face_);
    f.color = LineEditBytes(color_);
    f.size = ComboBytes(size_);
    f.position = ComboBytes(position_);
    for (std::size_t i = 0; i < styles_.size(); ++i) f.styles[i] = styles_[i]->isChecked();
    return f;
}

void FormatChar::setFontFields(const FontTagFields& font) {
    SetLineEditBytes(face_->lineEdit(), font.face);
    SetLineEditBytes(size_->lineEdit(), font.size);
    SetLineEditBytes(color_, font.color);
    if (!font.color.empty()) colorBox_->setColor(HexColorToRGB(font.color));
}

void FormatChar::ok() {
    const FontTags tags = BuildFontTags(fields());
    InsertTag(ctx_, view_, tags.open, tags.close);
    accept();
}

void OpenFormatChar(AppContext& ctx, DocumentView& view, QWidget* parent) {
    FormatChar dialog(ctx, view, parent);
    dialog.exec();
}

void EditFontTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText) {
    FormatChar dialog(ctx, view, parent);
    dialog.setFontFields(FontFieldsFromTag(tagText));
    dialog.exec();
}

}  // namespace quillane
