#include "app/ui/templates_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "editor/file_commands.h"

namespace quillane {

Templates::Templates(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("Templates");
    setWindowTitle("New");
    setModal(true);

    auto* caption = new QLabel("Templates:", this);
    caption->setObjectName("Label1");
    list_ = new QListWidget(this);
    list_->setObjectName("File1");
    for (const std::string& name : ListTemplates(ctx_)) {
        // The shown text may lose bytes that are not UTF-8; the name is kept whole.
        auto* item = new QListWidgetItem(QString::fromStdString(name), list_);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
    caption->setBuddy(list_);

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("Command2");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &Templates::openSelected);
    connect(list_, &QListWidget::itemDoubleClicked, this, &Templates::openSelected);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Centred on the screen, not on the main window.
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void Templates::openSelected() {
    QListWidgetItem* chosen = list_->currentItem();
    std::string name = chosen && chosen->isSelected() ? chosen->data(Qt::UserRole).toByteArray().toStdString() : std::string();
    OpenTemplate(ctx_, name);
    accept();
}

}  // namespace quillane
