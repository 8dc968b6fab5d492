#pragma once
#include "builders/ui/list_dialog_base.h"

class QButtonGroup;
class QLineEdit;

namespace quillane {

// "Numbered (Ordered) List": the item (Text1, the selection when opened), the
// number type (Option1 … Option5 in SSFrame3, none chosen), the start value
// (Text2, "1"); buttons SubmitOL, AddOL and Command2.
class Numbered : public ListDialogBase {
    Q_OBJECT

public:
    Numbered(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);
    ListFields fields() const override;

protected:
    QLineEdit* box(ListBox which) const override;
    void clearItemBoxes() override;
    // Double-clicking the background resets the number type and start value.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QLineEdit* item_;
    QLineEdit* start_;
    QButtonGroup* types_;
};

// "Bulleted (Unordered) List": the item (Text1, the selection when opened),
// the bullet type (Option1 … Option3 in SSFrame3, none chosen); buttons
// Command1 (start), Command2 (add) and Command4 (cancel/done).
class Bulleted : public ListDialogBase {
    Q_OBJECT

public:
    Bulleted(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);
    ListFields fields() const override;

protected:
    QLineEdit* box(ListBox which) const override;
    void clearItemBoxes() override;
    // Double-clicking the background resets the bullet type.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QLineEdit* item_;
    QButtonGroup* types_;
};

// "Descriptive List": the topic (Text1) with its bold, italic and underline
// buttons (SSCommand7, SSCommand8, SSCommand9) and the text after it (Text2),
// both empty when opened; buttons Command1, Command2 and Command4.
class Descriptive : public ListDialogBase {
    Q_OBJECT

public:
    Descriptive(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);
    ListFields fields() const override;

protected:
    QLineEdit* box(ListBox which) const override;
    void clearItemBoxes() override;

private:
    // Puts the tags around the topic box's selection, or at its caret.
    void wrapTopic(const QString& openTag, const QString& closeTag);

    QLineEdit* topic_;
    QLineEdit* text_;
};

// Open each dialog over the window's selection and run it modally.
void OpenNumberedListDialog(AppContext& ctx, DocumentView& view, QWidget* parent);
void OpenBulletedListDialog(AppContext& ctx, DocumentView& view, QWidget* parent);
void OpenDescriptiveListDialog(AppContext& ctx, DocumentView& view, QWidget* parent);

}  // namespace quillane
