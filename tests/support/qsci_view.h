#pragma once
// Header-only, so that the core test support stays free of Qt; the
// benchmarks use it too.
#include <string>

#include "platform/qt/qsci_editor_control.h"
#include "platform/shell.h"

namespace quillane::testing {

// A document window reduced to its editor, the real control.
class QsciView : public DocumentView {
public:
    int slot() const override { return 1; }
    std::string caption() const override { return "Untitled:1"; }
    void setCaption(const std::string&) override {}
    EditorControl& editor() override { return control; }
    bool wordWrapChecked() const override { return false; }
    void setWordWrapChecked(bool) override {}
    int innerWidthTwips() const override { return 9000; }
    void setRecentEntry(int, const std::string&, bool) override {}
    void setMenuItemVisible(const std::string&, bool) override {}
    bool menuItemVisible(const std::string&) const override { return true; }
    QsciEditorControl control;
};

}  // namespace quillane::testing
