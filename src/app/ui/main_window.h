#pragma once
#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "editor/ui/menu_builder.h"
#include "platform/shell.h"

class QDockWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenuBar;
class QStackedWidget;
class QToolBar;

namespace quillane {

struct AppContext;
class CommandTable;
class Form2;
class StatusPanels;

// MDIForm1, the program's one main window: the toolbar Picture1 at the top,
// the file pane Picture3 at the right, the status bar Picture2 at the bottom
// and, in between, the client area holding the document windows (Form2),
// always maximized. While a document window is active its menu bar is the
// one shown; with none open the window shows its own small menu.
class MDIForm1 : public QMainWindow, public Shell {
    Q_OBJECT

public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The program state and the commands the windows run; once, before the
    // start sequence. The context must outlive the window's documents.
    void attach(AppContext& ctx, const CommandTable& commands);

    // Shell
    DocumentView& createDocumentWindow(int slot) override;
    bool closeDocumentWindow(DocumentView& view) override;
    DocumentView* activeDocument() override;
    std::vector<DocumentView*> documentWindows() override;
    void activate(DocumentView& view) override;
    void arrange(WindowArrangement how) override;
    void setStatusText(StatusPanel panel, const std::string& text) override;
    void setDocumentToolbarEnabled(bool enabled) override;
    void setBusy(bool busy) override;
    void setRecentEntry(int index, const std::string& caption, bool visible) override;
    std::string recentEntryCaption(int index) const override;
    // The frame's corner and the size inside the frame, in twips (hides
    // QWidget::geometry on purpose: the program places its windows in twips).
    TwipsRect geometry() const override;
    void setGeometry(const TwipsRect& rect) override;
    using QWidget::setGeometry;
    void showMainWindow() override;
    int screenWidthTwips() const override;
    int screenHeightTwips() const override;
    std::vector<TwipsRect> screenAreasTwips() const override;
    std::string programFolder() const override;

    // The active document window, or nullptr.
    Form2* activeForm() const;
    // The menu bar on show: the active document's, or the window's own.
    QMenuBar* currentMenuBar() const;
    QMenuBar* ownMenuBar() const { return ownMenus_.bar; }
    const BuiltMenuBar& ownMenus() const { return ownMenus_; }
    QMdiArea* clientArea() const { return area_; }
    StatusPanels* statusPanels() const { return panels_; }
    // Picture1, where the main buttons go.
    QToolBar* toolbar() const { return toolbar_; }
    // Picture3, the dock that holds the file pane.
    QDockWidget* filePane() const { return filePane_; }

    // The toolbar controls that need an open document: enabled and disabled
    // together as documents open and close.
    void addDocumentControl(QWidget* control);
    bool documentToolbarEnabled() const { return documentToolbarEnabled_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form2* formOf(DocumentView& view) const;
    QMdiSubWindow* subWindowOf(Form2* form) const;
    void onSubWindowActivated(QMdiSubWindow* window);
    void onFormClosed(Form2* form);
    // Puts the window at the top of the activation order and shows its menu.
    void bringToFront(Form2* form);
    void showActiveMenuBar();

    AppContext* ctx_ = nullptr;
    const CommandTable* commands_ = nullptr;

    QMdiArea* area_ = nullptr;
    QStackedWidget* menuStack_ = nullptr;
    BuiltMenuBar ownMenus_;
    QToolBar* toolbar_ = nullptr;
    QDockWidget* filePane_ = nullptr;
    StatusPanels* panels_ = nullptr;

    // The open document windows, the most recently active last.
    std::vector<Form2*> order_;
    std::vector<QPointer<QWidget>> documentControls_;
    bool documentToolbarEnabled_ = false;
    int busyDepth_ = 0;
};

}  // namespace quillane
