#pragma once
#include <string>

#include "builders/multimedia_builders.h"
#include "builders/ui/multimedia_dialog_base.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillane {

class EditableComboBox;

// Background Sound (BGSound): one BGSOUND element replacing the selection.
class BGSound : public MultimediaDialogBase {
    Q_OBJECT

public:
    BGSound(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);
    SoundFields fields() const;

private:
    void ok();
    void browse();

    QLineEdit* src_;
    EditableComboBox* loop_;
    std::string loopValue_;
};

// Embedded Object (EMBEDITEM): one EMBED element replacing the selection.
class EMBEDITEM : public MultimediaDialogBase {
    Q_OBJECT

public:
    EMBEDITEM(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);
    EmbedFields fields() const;

private:
    void ok();
    void browse();

    QLineEdit* src_;
    QLineEdit* alt_;
    QLineEdit* width_;
    QLineEdit* height_;
    QComboBox* controls_;
    QComboBox* align_;
    QCheckBox* autostart_;
    QCheckBox* loop_;
};

}  // namespace quillane
