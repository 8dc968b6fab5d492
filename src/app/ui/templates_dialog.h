#pragma once
#include <QDialog>

class QListWidget;
class QPushButton;

namespace quillane {

struct AppContext;

// Templates, the New dialog: the templates of the program folder in the list
// File1; OK (Command1) or a double-click opens the chosen one as a new
// untitled document, Cancel (Command2) closes.
class Templates : public QDialog {
    Q_OBJECT

public:
    explicit Templates(AppContext& ctx, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }

private:
    void openSelected();

    AppContext& ctx_;
    QListWidget* list_;
};

}  // namespace quillane
