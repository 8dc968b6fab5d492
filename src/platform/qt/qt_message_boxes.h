#pragma once
#include <QMessageBox>

#include "platform/message_boxes.h"

class QWidget;

namespace quillane {

// Plain modal message boxes over the main window.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    MessageAnswer show(const MessageRequest& request) override;

    // Gives a box the title, text, icon, buttons and default of a request.
    static void configure(QMessageBox& box, const MessageRequest& request);
    // The answer for the button that closed the box; a box closed without a
    // button (Escape, window close) answers as its escape button does.
    static MessageAnswer answerFor(QMessageBox::StandardButton button, MessageButtons buttons);

private:
    QWidget* parent_;
};

}  // namespace quillane
