#include "app/ui/status_panels.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "app/ui/widget_twips.h"

namespace quillane {

namespace {

// Layout in twips: the bar's height, and each panel's left edge and width.
constexpr int kBarHeight = 405;
constexpr int kPanelTop = 60;
constexpr int kPanelHeight = 285;

struct PanelPlace {
    const char* name;
    int left;
    int width;
};
constexpr PanelPlace kHelpPlace{"Panel3D2", 120, 5655};
constexpr PanelPlace kTimePlace{"Panel3D3", 5880, 1095};
constexpr PanelPlace kLengthPlace{"Panel3D6", 7080, 1335};

// The panels are children of the bar itself, outside its layout, so that they
// stay where the layout table puts them.
QLabel* MakePanel(QStatusBar& bar, const PanelPlace& place) {
    auto* label = new QLabel(&bar);
    label->setObjectName(place.name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setIndent(TwipsToPixelsX(bar, 60));
    label->setGeometry(TwipsToPixelsX(bar, place.left), TwipsToPixelsY(bar, kPanelTop), TwipsToPixelsX(bar, place.width),
                       TwipsToPixelsY(bar, kPanelHeight));
    return label;
}

}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName("Picture2");
    setSizeGripEnabled(false);
    setFixedHeight(TwipsToPixelsY(*this, kBarHeight));
    help_ = MakePanel(*this, kHelpPlace);
    time_ = MakePanel(*this, kTimePlace);
    length_ = MakePanel(*this, kLengthPlace);
    help_->setText("Press F1 for Help");
    time_->installEventFilter(this);
}

QLabel* StatusPanels::panel(StatusPanel which) const {
    switch (which) {
        case StatusPanel::Help: return help_;
        case StatusPanel::Time: return time_;
        case StatusPanel::Length: return length_;
    }
    return help_;
}

void StatusPanels::setPanelText(StatusPanel which, const QString& text) { panel(which)->setText(text); }

QString StatusPanels::panelText(StatusPanel which) const { return panel(which)->text(); }

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == time_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit timePanelClicked();
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}

}  // namespace quillane
