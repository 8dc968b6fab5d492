#pragma once
#include <QWidget>

#include "builders/special_characters.h"
#include "builders/ui/builder_dialog.h"

class QLabel;
class QStackedWidget;
class QTabBar;

namespace quillane {

// One page's picture: the characters drawn in their grid. Releasing any mouse
// button over a cell picks that cell's text; outside every cell nothing.
class CharacterPicture : public QWidget {
    Q_OBJECT

public:
    CharacterPicture(const SpecialCharacterPage& page, QWidget* parent = nullptr);

signals:
    void picked(const QString& entity);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const SpecialCharacterPage& page_;
};

// Vowels, "Special Characters": the tab strip TabStrip1 over the pages
// Picture4(0) ... Picture4(2) holding the pictures Picture1 (Vowels),
// Picture2 (Various) and Picture3 (Math); a click on a character inserts its
// text into the active document and says so in Label2; the dialog stays open
// until Close (Command3). SSCommand2 is the help button.
class Vowels : public BuilderDialog {
    Q_OBJECT

public:
    explicit Vowels(AppContext& ctx, QWidget* parent = nullptr);

    // The command opens the dialog with the hourglass pointer up; it goes
    // when the pointer reaches the tab strip, or at the latest on closing.
    void holdWaitCursor();
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void insert(const QString& entity);
    void releaseWaitCursor();

    QTabBar* tabs_;
    QStackedWidget* pages_;
    QLabel* status_;
    bool waitCursor_ = false;
};

// Opens the Special Characters dialog modally; it writes into whichever
// document is active.
void OpenSpecialCharacters(AppContext& ctx, QWidget* parent);

}  // namespace quillane
