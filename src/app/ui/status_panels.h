#pragma once
#include <QStatusBar>

#include "platform/shell.h"

class QLabel;

namespace quillane {

// The main window's status bar (Picture2): three sunken panels at fixed
// places, Panel3D2 (help line), Panel3D3 (time, clickable) and Panel3D6
// (document length).
class StatusPanels : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusPanels(QWidget* parent = nullptr);

    void setPanelText(StatusPanel panel, const QString& text);
    QString panelText(StatusPanel panel) const;
    QLabel* panel(StatusPanel panel) const;

signals:
    // A click on the time panel Panel3D3.
    void timePanelClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* help_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* length_ = nullptr;
};

}  // namespace quillane
