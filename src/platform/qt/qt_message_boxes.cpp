#include "platform/qt/qt_message_boxes.h"

#include <vector>

namespace quillane {

namespace {

std::vector<QMessageBox::StandardButton> ButtonsLeftToRight(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return {QMessageBox::Ok};
    case MessageButtons::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok};
}

QMessageBox::Icon IconFor(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBoxes::configure(QMessageBox& box, const MessageRequest& request) {
    box.setWindowTitle(request.title.empty() ? QStringLiteral("Quillane") : QString::fromStdString(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(request.text));
    box.setIcon(IconFor(request.icon));
    const std::vector<QMessageBox::StandardButton> order = ButtonsLeftToRight(request.buttons);
    QMessageBox::StandardButtons set;
    for (QMessageBox::StandardButton b : order) set |= b;
    box.setStandardButtons(set);
    const std::size_t chosen = request.defaultButton >= 0 ? std::size_t(request.defaultButton) : 0;
    box.setDefaultButton(order[chosen < order.size() ? chosen : 0]);
    // Escape answers Cancel where there is one, else the last button (No, Ok).
    box.setEscapeButton(order.back());
}

MessageAnswer QtMessageBoxes::answerFor(QMessageBox::StandardButton button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: break;
    }
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

MessageAnswer QtMessageBoxes::show(const MessageRequest& request) {
    QMessageBox box(parent_);
    configure(box, request);
    box.exec();
    return answerFor(box.standardButton(box.clickedButton()), request.buttons);
}

}  // namespace quillane
