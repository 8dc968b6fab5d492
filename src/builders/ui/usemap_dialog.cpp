#include "builders/ui/usemap_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "builders/ui/dialog_widgets.h"

namespace quillane {

namespace {

// The shape buttons are drawn as the shape they choose.
QIcon ShapeIcon(int index) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    switch (index) {
        case 0: painter.drawEllipse(3, 3, 18, 18); break;
        case 1: painter.drawRect(3, 5, 18, 14); break;
        default: painter.drawPolygon(QPolygon({QPoint(12, 3), QPoint(21, 20), QPoint(3, 20)})); break;
    }
    return QIcon(pixmap);
}

}  // namespace

UseMap::UseMap(AppContext& ctx, DocumentView& view, QWidget* parent)
    : ImageDialogBase(ctx, parent), sequence_(ctx, view) {
    setObjectName("UseMap");
    setWindowTitle("UseMap - Client Side ImageMap");

    mapName_ = new QLineEdit(this);
    mapName_->setObjectName("Text1");

    auto* shapeFrame = new QGroupBox("Shape", this);
    shapeFrame->setObjectName("SSFrame1");
    auto* shapeLayout = new QHBoxLayout(shapeFrame);
    shapes_ = new QButtonGroup(this);
    shapes_->setExclusive(true);
    const auto shapeList = MapShapes();
    for (int i = 0; i < static_cast<int>(shapeList.size()); ++i) {
        auto* button = new QToolButton(shapeFrame);
        button->setObjectName(shapeList[i].button);
        button->setCheckable(true);
        button->setIcon(ShapeIcon(i));
        button->setIconSize(QSize(24, 24));
        button->setToolTip(shapeList[i].name);
        button->setAccessibleName(shapeList[i].name);
        // The three share the frame's width evenly and never give up height
        // to the coordinate boxes a shape shows.
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        shapes_->addButton(button, i);
        shapeLayout->addWidget(button);
    }

    auto* coordsLayout = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        const QString number = QString::number(i + 2);
        coordLabels_[i] = new QLabel(this);
        coordLabels_[i]->setObjectName("Label" + number);
        coords_[i] = new QLineEdit(this);
        coords_[i]->setObjectName("Text" + number);
        coordLabels_[i]->setBuddy(coords_[i]);
        coordLabels_[i]->hide();
        coords_[i]->hide();
        coordsLayout->addWidget(coordLabels_[i], i, 0);
        coordsLayout->addWidget(coords_[i], i, 1);
    }

    url_ = addEditableCombo("Combo1", urlChoices());
    target_ = addEditableCombo("Combo2", {"_Blank", "_Parent", "_Self", "_Top"});
    QLabel* note = addLabel("Label10",
                            "Pick the area shape and input the pixel coordinates which bound that area.  The pixel "
                            "coordinates can be found using a graphics application of your choice.");
    note->setWordWrap(true);

    QPushButton* insert = addButton("Command3", "&Insert");
    QPushButton* done = addButton("Command2", "&Done");
    QPushButton* cancel = addButton("Command1", "&Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {insert, done, cancel}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(addLabel("Label1", "Map Name:"));
    nameRow->addWidget(mapName_);
    layout->addLayout(nameRow);
    layout->addWidget(shapeFrame);
    layout->addLayout(coordsLayout);
    auto* linkRow = new QGridLayout;
    linkRow->addWidget(addLabel("Label8", "Link to URL:"), 0, 0);
    linkRow->addWidget(url_, 0, 1);
    linkRow->addWidget(addLabel("Label9", "Target frame:"), 1, 0);
    linkRow->addWidget(target_, 1, 1);
    linkRow->setColumnStretch(1, 1);
    layout->addLayout(linkRow);
    layout->addWidget(note);
    layout->addLayout(buttons);

    connect(shapes_, &QButtonGroup::idClicked, this, [this](int id) { chooseShape(MapShapes()[id]); });
    connect(insert, &QPushButton::clicked, this, &UseMap::insertArea);
    connect(done, &QPushButton::clicked, this, &UseMap::finishMap);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in a box inserts the area, the dialog's main action.
    runOnEnter(mapName_, [this] { insertArea(); });
    for (QLineEdit* box : coords_) runOnEnter(box, [this] { insertArea(); });
    runOnEnter(url_, [this] { insertArea(); });
    runOnEnter(target_, [this] { insertArea(); });
}

UseMapFields UseMap::fields() const {
    UseMapFields f;
    f.mapName = BoxBytes(mapName_);
    for (int i = 0; i < 6; ++i) f.coords[i] = BoxBytes(coords_[i]);
    f.url = BoxBytes(url_);
    f.target = BoxBytes(target_);
    return f;
}

void UseMap::chooseShape(const MapShape& shape) {
    for (int i = 0; i < 6; ++i) {
        coordLabels_[i]->hide();
        coords_[i]->hide();
    }
    sequence_.chooseShape(shape.name);
    for (std::size_t i = 0; i < shape.labels.size(); ++i) {
        coordLabels_[i]->setText(shape.labels[i]);
        coordLabels_[i]->show();
        coords_[i]->show();
    }
    fitHeight();
}

void UseMap::resizeEvent(QResizeEvent* event) {
    ImageDialogBase::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) fitHeight();
}

// The wrapped note needs more height the narrower the dialog is, which the
// layout's minimum size does not count: without this the coordinate boxes a
// shape shows, or a narrower dialog, squeeze the shape buttons.
void UseMap::fitHeight() {
    layout()->activate();
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : layout()->totalMinimumSize().height();
    setMinimumHeight(needed);
    if (height() < needed) resize(width(), needed);
}

void UseMap::insertArea() {
    if (auto refusal = sequence_.insertArea(fields())) {
        refuse(*refusal);
        return;
    }
    for (QLineEdit* box : coords_) box->clear();
}

void UseMap::finishMap() {
    sequence_.done();
    accept();
}

}  // namespace quillane
