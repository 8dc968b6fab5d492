#pragma once
#include <string>

class QLineEdit;

namespace quillane {

// Document text shown in a dialog's text box. Bytes that are not valid UTF-8
// cannot pass through a QString unchanged, so a box remembers the bytes it was
// filled with and gives them back for as long as its text is left as shown.
void SetLineEditBytes(QLineEdit* box, const std::string& bytes);
// The box's text as bytes: the original ones while untouched, else UTF-8.
std::string LineEditBytes(const QLineEdit* box);

}  // namespace quillane
