#include "builders/ui/special_characters_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "editor/insertion.h"

namespace quillane {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

CharacterPicture::CharacterPicture(const SpecialCharacterPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
    setFixedSize(page.width, page.height);
    setCursor(Qt::PointingHandCursor);
}

void CharacterPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int columns = static_cast<int>(ColumnCount(page_));
    const int rows = static_cast<int>(page_.rows.size());
    if (columns == 0 || rows == 0) return;
    QFont font = painter.font();
    font.setPixelSize(page_.height / rows * 2 / 3);
    painter.setFont(font);
    painter.setPen(palette().text().color());
    // The same bands as the hit test, so that a click lands on what it shows.
    for (int r = 0; r < rows; ++r) {
        const int top = r * page_.height / rows;
        const int bottom = (r + 1) * page_.height / rows;
        const SpecialCharacterRow& row = page_.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            const int left = c * page_.width / columns;
            const int right = (c + 1) * page_.width / columns;
            painter.drawText(QRect(left, top, right - left, bottom - top), Qt::AlignCenter,
                             Text(row[static_cast<std::size_t>(c)].glyph));
        }
    }
}

void CharacterPicture::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!rect().contains(at)) return;
    if (auto cell = SpecialCharacterAt(page_, at.x(), at.y())) emit picked(Text(cell->entity));
}

Vowels::Vowels(AppContext& ctx, QWidget* parent) : BuilderDialog(ctx, parent) {
    setObjectName("Vowels");
    setWindowTitle("Special Characters");

    tabs_ = new QTabBar(this);
    tabs_->setObjectName("TabStrip1");
    tabs_->setMouseTracking(true);
    tabs_->installEventFilter(this);
    pages_ = new QStackedWidget(this);
    const char* pictureNames[] = {"Picture1", "Picture2", "Picture3"};
    int index = 0;
    for (const SpecialCharacterPage& page : SpecialCharacterPages()) {
        tabs_->addTab(Text(page.tab));
        auto* holder = new QWidget(pages_);
        holder->setObjectName(QString("Picture4(%1)").arg(index));
        auto* picture = new CharacterPicture(page, holder);
        picture->setObjectName(pictureNames[index]);
        auto* holderLayout = new QVBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        holderLayout->addWidget(picture, 0, Qt::AlignLeft | Qt::AlignTop);
        pages_->addWidget(holder);
        connect(picture, &CharacterPicture::picked, this, &Vowels::insert);
        ++index;
    }
    tabs_->setCurrentIndex(0);
    pages_->setCurrentIndex(0);
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);

    status_ = new QLabel(this);
    status_->setObjectName("Label2");
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("Command3");
    QPushButton* help = addHelpButton();
    help->setObjectName("SSCommand2");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(close);
    bottom->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(pages_);
    layout->addLayout(bottom);
}

void Vowels::insert(const QString& entity) {
    status_->setText("Character inserted!");
    QApplication::processEvents();
    SaveUndoSnapshot(ctx_);
    InsertText(ctx_, entity.toStdString(), false);
}

void Vowels::holdWaitCursor() {
    if (waitCursor_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
}

void Vowels::releaseWaitCursor() {
    if (!waitCursor_) return;
    waitCursor_ = false;
    QApplication::restoreOverrideCursor();
}

bool Vowels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_ && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        releaseWaitCursor();
    return BuilderDialog::eventFilter(watched, event);
}

void Vowels::done(int result) {
    // Never leave the pointer as an hourglass once the dialog is gone.
    releaseWaitCursor();
    BuilderDialog::done(result);
}

void OpenSpecialCharacters(AppContext& ctx, QWidget* parent) {
    Vowels dialog(ctx, parent);
    dialog.holdWaitCursor();
    dialog.exec();
}

}  // namespace quillane
