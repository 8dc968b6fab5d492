#include "builders/ui/line_edit_bytes.h"

#include <QByteArray>
#include <QLineEdit>
#include <QVariant>

namespace quillane {

namespace {
constexpr const char* kBytesProperty = "quillaneBytes";
constexpr const char* kShownProperty = "quillaneShownText";
}  // namespace

void SetLineEditBytes(QLineEdit* box, const std::string& bytes) {
    box->setText(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    box->setProperty(kBytesProperty, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    // What the box holds now, after any change it makes to a text it is given.
    box->setProperty(kShownProperty, box->text());
}

std::string LineEditBytes(const QLineEdit* box) {
    const QVariant shown = box->property(kShownProperty);
    if (shown.isValid() && shown.toString() == box->text()) return box->property(kBytesProperty).toByteArray().toStdString();
    return box->text().toUtf8().toStdString();
}

}  // namespace quillane
