#pragma once
#include <QPointer>
#include <QWidget>
#include <string>

#include "editor/ui/menu_builder.h"
#include "platform/shell.h"

class QMenuBar;

namespace quillane {

struct AppContext;
class CommandTable;
class QsciEditorControl;

// Form2, one document window: the editor RichTextBox1 filling it, the
// window's whole menu bar (shown by the main window while this window is
// active), its caption and its slot number (the tag). It lives inside a
// QMdiSubWindow of the main window.
class Form2 : public QWidget, public DocumentView {
    Q_OBJECT

public:
    Form2(AppContext& ctx, const CommandTable& commands, int slot, QWidget* parent = nullptr);
    ~Form2() override;

    // DocumentView
    int slot() const override { return slot_; }
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override;
    EditorControl& editor() override;
    bool wordWrapChecked() const override;
    void setWordWrapChecked(bool checked) override;
    int innerWidthTwips() const override;
    void setRecentEntry(int index, const std::string& caption, bool visible) override;
    void setMenuItemVisible(const std::string& name, bool visible) override;
    bool menuItemVisible(const std::string& name) const override;

    QsciEditorControl& editorControl() const { return *editor_; }
    // The window's menu bar; the main window takes it into its menu area.
    QMenuBar* menuBar() const { return menus_.bar; }
    const BuiltMenuBar& menus() const { return menus_; }
    // Stops reporting to the program: the main window is going, and the
    // context may be gone before this window is.
    void detach();

signals:
    // The window agreed to close (its text is saved or given up); it is
    // destroyed soon after.
    void closed(Form2* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showEditMenu(const QPoint& globalPos);

    AppContext& ctx_;
    int slot_;
    std::string caption_;
    QsciEditorControl* editor_ = nullptr;
    BuiltMenuBar menus_;
    QPointer<QMenuBar> ownedBar_;
    bool closing_ = false;
    bool detached_ = false;
};

}  // namespace quillane
