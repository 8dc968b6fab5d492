#pragma once
#include <string>

namespace quillane {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string title;  // empty: the program's title "Quillane"
    std::string text;   // lines separated by "\n"
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 0;  // 0-based among the buttons, left to right
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const MessageRequest& request) = 0;
    MessageAnswer say(const std::string& text) { return show({.title = {}, .text = text}); }
};

}  // namespace quillane
