#include "app/ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_context.h"
#include "app/command_table.h"
#include "app/new_page_text.h"
#include "app/ui/status_panels.h"
#include "app/ui/widget_twips.h"
#include "app/ui/window_list_menu.h"
#include "editor/document_lifecycle.h"
#include "editor/menu_tree.h"
#include "editor/ui/document_window.h"
#include "editor/ui/recent_menu_entries.h"
#include "platform/qt/program_folder.h"

namespace quillane {

namespace {

constexpr int kToolbarHeight = 1035;  // twips
constexpr int kFilePaneWidth = 2025;  // twips

}  // namespace

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MDIForm1");
    setWindowTitle(kMainWindowCaption);
    // No toolbar and dock toggles on a right click: the bars are fixed parts.
    setContextMenuPolicy(Qt::NoContextMenu);

    area_ = new QMdiArea(this);
    area_->setObjectName("ClientArea");
    // Closing the active window activates the one that was active before it.
    area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    area_->viewport()->setMouseTracking(true);
    area_->viewport()->installEventFilter(this);
    setCentralWidget(area_);
    connect(area_, &QMdiArea::subWindowActivated, this, &MDIForm1::onSubWindowActivated);

    // The menu bars of the documents and the window's own take turns here; a
    // hidden bar's shortcuts do not fire, so only the active window's do.
    menuStack_ = new QStackedWidget(this);
    menuStack_->setObjectName("MenuBars");
    setMenuWidget(menuStack_);

    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName("Picture1");
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setFixedHeight(TwipsToPixelsY(*this, kToolbarHeight));
    addToolBar(Qt::TopToolBarArea, toolbar_);

    filePane_ = new QDockWidget(this);
    filePane_->setObjectName("Picture3");
    filePane_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    // A docked area, not a tool window: no title, no float or close.
    auto* noTitle = new QWidget(filePane_);
    noTitle->setFixedHeight(0);
    filePane_->setTitleBarWidget(noTitle);
    auto* paneContents = new QWidget(filePane_);
    paneContents->setObjectName("FilePaneContents");
    paneContents->setMinimumSize(TwipsToPixelsX(*this, kFilePaneWidth), 1);
    paneContents->setMaximumWidth(TwipsToPixelsX(*this, kFilePaneWidth));
    // The file pane's lists go into this layout.
    auto* paneLayout = new QVBoxLayout(paneContents);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    filePane_->setWidget(paneContents);
    addDockWidget(Qt::RightDockWidgetArea, filePane_);

    panels_ = new StatusPanels(this);
    setStatusBar(panels_);
    connect(panels_, &StatusPanels::timePanelClicked, this, [this] {
        if (ctx_) TimePanelClick(*ctx_);
    });
}

MDIForm1::~MDIForm1() {
    // The documents go first, while this window is still whole; they report
    // nothing on the way.
    ctx_ = nullptr;
    area_->viewport()->removeEventFilter(this);
    disconnect(area_, nullptr, this, nullptr);
    // Closed windows not yet destroyed are among them.
    for (Form2* form : area_->findChildren<Form2*>()) form->detach();
    order_.clear();
    delete area_;
    area_ = nullptr;
    while (busyDepth_ > 0) setBusy(false);
}

void MDIForm1::attach(AppContext& ctx, const CommandTable& commands) {
    ctx_ = &ctx;
    commands_ = &commands;
    ownMenus_ = BuildMenuBar(MainMenuTree(), commands, ctx, nullptr, menuStack_);
    ownMenus_.bar->setObjectName("MDIForm1Menu");
    ownMenus_.bar->setNativeMenuBar(false);
    menuStack_->addWidget(ownMenus_.bar);
    showActiveMenuBar();
}

Form2* MDIForm1::formOf(DocumentView& view) const {
    auto it = std::find_if(order_.begin(), order_.end(), [&](Form2* f) { return static_cast<DocumentView*>(f) == &view; });
    return it == order_.end() ? nullptr : *it;
}

QMdiSubWindow* MDIForm1::subWindowOf(Form2* form) const {
    return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
}

DocumentView& MDIForm1::createDocumentWindow(int slot) {
    auto* form = new Form2(*ctx_, *commands_, slot);
    menuStack_->addWidget(form->menuBar());
    if (QMenu* windowMenu = form->menus().menu("Windowmenu")) AttachWindowList(*windowMenu, *area_);
    connect(form, &Form2::closed, this, &MDIForm1::onFormClosed);

    auto* window = new QMdiSubWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    window->setWidget(form);
    order_.push_back(form);
    area_->addSubWindow(window);
    window->showMaximized();
    area_->setActiveSubWindow(window);
    bringToFront(form);
    return *form;
}

bool MDIForm1::closeDocumentWindow(DocumentView& view) {
    QMdiSubWindow* window = subWindowOf(formOf(view));
    return window && window->close();
}

DocumentView* MDIForm1::activeDocument() { return activeForm(); }

Form2* MDIForm1::activeForm() const { return order_.empty() ? nullptr : order_.back(); }

std::vector<DocumentView*> MDIForm1::documentWindows() {
    std::vector<Form2*> bySlot = order_;
    std::sort(bySlot.begin(), bySlot.end(), [](Form2* a, Form2* b) { return a->slot() < b->slot(); });
    return {bySlot.begin(), bySlot.end()};
}

void MDIForm1::activate(DocumentView& view) {
    Form2* form = formOf(view);
    if (!form) return;
    area_->setActiveSubWindow(subWindowOf(form));
    bringToFront(form);
}

void MDIForm1::arrange(WindowArrangement how) {
    switch (how) {
        case WindowArrangement::Cascade: area_->cascadeSubWindows(); break;
        case WindowArrangement::TileHorizontally:
        case WindowArrangement::TileVertically: {
            // Rows or columns of equal size, in the order the windows were made.
            const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
            if (windows.isEmpty()) break;
            const QRect r = area_->viewport()->rect();
            const int n = windows.size();
            for (int i = 0; i < n; ++i) {
                windows[i]->showNormal();
                if (how == WindowArrangement::TileHorizontally) {
                    int top = r.height() * i / n;
                    windows[i]->setGeometry(0, top, r.width(), r.height() * (i + 1) / n - top);
                } else {
                    int left = r.width() * i / n;
                    windows[i]->setGeometry(left, 0, r.width() * (i + 1) / n - left, r.height());
                }
            }
            break;
        }
        case WindowArrangement::ArrangeIcons: {
            // Minimized windows in rows along the bottom of the client area.
            const QRect r = area_->viewport()->rect();
            int x = 0;
            int y = r.bottom();
            for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder)) {
                if (!w->isMinimized()) continue;
                if (x > 0 && x + w->width() > r.width()) {
                    x = 0;
                    y -= w->height();
                }
                w->move(x, y - w->height() + 1);
                x += w->width();
            }
            break;
        }
    }
}

void MDIForm1::setStatusText(StatusPanel panel, const std::string& text) {
    panels_->setPanelText(panel, QString::fromStdString(text));
}

void MDIForm1::addDocumentControl(QWidget* control) {
    documentControls_.emplace_back(control);
    control->setEnabled(documentToolbarEnabled_);
}

void MDIForm1::setDocumentToolbarEnabled(bool enabled) {
    documentToolbarEnabled_ = enabled;
    for (const QPointer<QWidget>& control : documentControls_) {
        if (control) control->setEnabled(enabled);
    }
}

void MDIForm1::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void MDIForm1::setRecentEntry(int index, const std::string& caption, bool visible) {
    SetRecentMenuEntry(ownMenus_, index, caption, visible);
}

std::string MDIForm1::recentEntryCaption(int index) const { return RecentMenuEntryCaption(ownMenus_, index); }

TwipsRect MDIForm1::geometry() const {
    // The frame's size is the window manager's business and only known once
    // it has framed the window; the corner and the inner size are what move
    // and resize take back.
    const QPoint corner = frameGeometry().topLeft();
    return {PixelsToTwipsX(*this, corner.x()), PixelsToTwipsY(*this, corner.y()), PixelsToTwipsX(*this, width()),
            PixelsToTwipsY(*this, height())};
}

void MDIForm1::setGeometry(const TwipsRect& rect) {
    // Before the window is first shown Qt asks the window manager to put the
    // frame's corner here; later it adds the frame it knows.
    move(TwipsToPixelsX(*this, rect.left), TwipsToPixelsY(*this, rect.top));
    resize(TwipsToPixelsX(*this, rect.width), TwipsToPixelsY(*this, rect.height));
}

void MDIForm1::showMainWindow() { show(); }

int MDIForm1::screenWidthTwips() const { return PixelsToTwipsX(*this, screen()->geometry().width()); }

int MDIForm1::screenHeightTwips() const { return PixelsToTwipsY(*this, screen()->geometry().height()); }

std::vector<TwipsRect> MDIForm1::screenAreasTwips() const {
    QList<QScreen*> screens = QGuiApplication::screens();
    // The primary screen first.
    std::stable_partition(screens.begin(), screens.end(), [](QScreen* s) { return s == QGuiApplication::primaryScreen(); });
    std::vector<TwipsRect> areas;
    for (QScreen* s : screens) {
        const QRect r = s->availableGeometry();
        areas.push_back({PixelsToTwipsX(*this, r.x()), PixelsToTwipsY(*this, r.y()), PixelsToTwipsX(*this, r.width()),
                         PixelsToTwipsY(*this, r.height())});
    }
    return areas;
}

std::string MDIForm1::programFolder() const { return ProgramFolder().toStdString(); }

QMenuBar* MDIForm1::currentMenuBar() const { return qobject_cast<QMenuBar*>(menuStack_->currentWidget()); }

void MDIForm1::bringToFront(Form2* form) {
    auto it = std::find(order_.begin(), order_.end(), form);
    if (it == order_.end()) return;
    order_.erase(it);
    order_.push_back(form);
    showActiveMenuBar();
}

void MDIForm1::showActiveMenuBar() {
    Form2* active = activeForm();
    QWidget* bar = active ? active->menuBar() : ownMenus_.bar;
    if (bar) menuStack_->setCurrentWidget(bar);
}

void MDIForm1::onSubWindowActivated(QMdiSubWindow* window) {
    if (!window || !ctx_) return;
    Form2* form = qobject_cast<Form2*>(window->widget());
    if (!form || std::find(order_.begin(), order_.end(), form) == order_.end()) return;
    bringToFront(form);
    OnDocumentActivated(*ctx_, *form);
}

void MDIForm1::onFormClosed(Form2* form) {
    auto it = std::find(order_.begin(), order_.end(), form);
    if (it == order_.end()) return;
    order_.erase(it);
    menuStack_->removeWidget(form->menuBar());
    showActiveMenuBar();
    if (ctx_) DocumentWindowClosed(*ctx_, form->slot());
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (ctx_ && !CloseMainWindow(*ctx_)) {
        event->ignore();
        return;
    }
    event->accept();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    // The pointer over the client area's own background hands the keyboard to
    // the active document's editor.
    if (area_ && watched == area_->viewport() && event->type() == QEvent::MouseMove) {
        if (Form2* form = activeForm()) form->editor().setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillane
