#include "editor/ui/document_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/ui/widget_twips.h"
#include "editor/document_lifecycle.h"
#include "editor/editor_mouse.h"
#include "editor/find_replace.h"
#include "editor/menu_tree.h"
#include "editor/ui/recent_menu_entries.h"
#include "platform/qt/qsci_editor_control.h"

namespace quillane {

Form2::Form2(AppContext& ctx, const CommandTable& commands, int slot, QWidget* parent)
    : QWidget(parent), ctx_(ctx), slot_(slot) {
    setObjectName("Form2");
    setProperty("tag", QString::number(slot));

    editor_ = new QsciEditorControl(this);
    editor_->setObjectName("RichTextBox1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    setFocusProxy(editor_);

    menus_ = BuildMenuBar(DocumentMenuTree(), commands, ctx, this);
    menus_.bar->setObjectName("Form2Menu");
    menus_.bar->setNativeMenuBar(false);
    ownedBar_ = menus_.bar;
    // Keys the menus use are the menus', not the editor's.
    editor_->releaseShortcuts(MenuShortcuts(DocumentMenuTree()));

    // The right button opens the Edit menu instead of the editor's own menu.
    editor_->setContextMenuPolicy(Qt::PreventContextMenu);
    editor_->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    editor_->viewport()->setMouseTracking(true);
    editor_->viewport()->installEventFilter(this);
    editor_->installEventFilter(this);

    connect(editor_, &QsciEditorControl::textModified, this, [this] { OnDocumentTextChanged(ctx_, *this); });
}

// The bar lives in the main window's menu area, not inside this window.
Form2::~Form2() { delete ownedBar_; }

void Form2::setCaption(const std::string& caption) {
    caption_ = caption;
    // "[*]" would be taken for the modified-mark placeholder.
    setWindowTitle(QString::fromStdString(caption).replace("[*]", "[*][*]"));
}

EditorControl& Form2::editor() { return *editor_; }

bool Form2::wordWrapChecked() const {
    QAction* item = menus_.action("mnuWordWrap");
    return item && item->isChecked();
}

void Form2::setWordWrapChecked(bool checked) {
    if (QAction* item = menus_.action("mnuWordWrap")) item->setChecked(checked);
}

int Form2::innerWidthTwips() const { return PixelsToTwipsX(*this, width()); }

void Form2::setRecentEntry(int index, const std::string& caption, bool visible) {
    SetRecentMenuEntry(menus_, index, caption, visible);
}

void Form2::setMenuItemVisible(const std::string& name, bool visible) {
    if (QAction* item = menus_.action(QString::fromStdString(name))) item->setVisible(visible);
}

bool Form2::menuItemVisible(const std::string& name) const {
    QAction* item = menus_.action(QString::fromStdString(name));
    return item && item->isVisible();
}

void Form2::detach() {
    detached_ = true;
    editor_->removeEventFilter(this);
    editor_->viewport()->removeEventFilter(this);
    disconnect(editor_, nullptr, this, nullptr);
}

void Form2::closeEvent(QCloseEvent* event) {
    if (closing_ || detached_ || !QueryCloseDocument(ctx_, *this)) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
    emit closed(this);
}

void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!detached_) LayoutDocument(ctx_, *this, false);
}

void Form2::showEditMenu(const QPoint& globalPos) {
    if (QMenu* edit = menus_.menu("EditMenu")) edit->popup(globalPos);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (!editor_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseMove:
            if (watched == editor_->viewport()) OnEditorMouseMove(ctx_);
            break;
        case QEvent::MouseButtonPress:
            if (watched == editor_->viewport()) {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::RightButton) {
                    showEditMenu(mouse->globalPosition().toPoint());
                    return true;
                }
            }
            break;
        case QEvent::FocusIn:
            // A visible Find or Replace dialog comes back to the front.
            if (watched == editor_) OnEditorFocusedForSearch(ctx_);
            break;
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quillane
