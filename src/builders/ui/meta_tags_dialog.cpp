#include "builders/ui/meta_tags_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "builders/ui/line_edit_bytes.h"

namespace quillane {

namespace {

QLabel* Note(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QLineEdit* Box(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QGroupBox* Frame(QWidget* parent, const char* name, const char* title, QWidget* box, QWidget* note) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    if (note) layout->addWidget(note);
    return frame;
}

}  // namespace

Metatags::Metatags(AppContext& ctx, QWidget* parent) : BuilderDialog(ctx, parent) {
    setObjectName("Metatags");
    setWindowTitle("META Tags");

    description_ = Box(this, "Text1");
    keywords_ = Box(this, "Text2");
    auto* frame1 = Frame(this, "Frame1", "Description of your Web page:", description_,
                         Note(this, "Label1",
                              "Many search engines use the first 250 words of your Web page to index it.  Type a more "
                              "suitable description so people will understand what your page contains."));
    auto* frame2 = Frame(this, "Frame2", "Key Words of your Web page:", keywords_,
                         Note(this, "Label2",
                              "Search engines, robots, and spiders search your page for key words(words that appear "
                              "more frequently than others).  Type more suitable key words/phrases (separated by a "
                              "comma) to be used."));

    splash_ = new QCheckBox("Make this page a splash screen.", this);
    splash_->setObjectName("Check1");
    seconds_ = Box(this, "Text3");
    url_ = Box(this, "Text4");
    seconds_->setEnabled(false);
    url_->setEnabled(false);
    auto* secondsLabel = Note(this, "Label4", "Number of seconds to wait before loading second page:");
    secondsLabel->setBuddy(seconds_);
    auto* urlLabel = Note(this, "Label5", "URL of second Web page:");
    urlLabel->setBuddy(url_);
    auto* frame3 = new QGroupBox("Make this Web page into a Splash Screen:", this);
    frame3->setObjectName("Frame3");
    auto* splashLayout = new QGridLayout(frame3);
    splashLayout->addWidget(splash_, 0, 0, 1, 2);
    splashLayout->addWidget(Note(this, "Label3",
                                 "Splash screens are Web pages that have a timed expiration.  When the specified time "
                                 "limit has expired, another Web page loads in the browser."),
                            1, 0, 1, 2);
    splashLayout->addWidget(secondsLabel, 2, 0);
    splashLayout->addWidget(seconds_, 2, 1);
    splashLayout->addWidget(urlLabel, 3, 0);
    splashLayout->addWidget(url_, 3, 1);

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("Command2");
    cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(addHelpButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addWidget(frame3);
    layout->addLayout(buttons);

    connect(splash_, &QCheckBox::toggled, this, [this](bool ticked) {
        seconds_->setEnabled(ticked);
        url_->setEnabled(ticked);
    });
    connect(ok, &QPushButton::clicked, this, &Metatags::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

MetaTagsFields Metatags::fields() const {
    MetaTagsFields f;
    f.description = LineEditBytes(description_);
    f.keywords = LineEditBytes(keywords_);
    f.splashScreen = splash_->isChecked();
    f.seconds = LineEditBytes(seconds_);
    f.url = LineEditBytes(url_);
    return f;
}

void Metatags::ok() {
    ConfirmMetaTags(ctx_, fields());
    accept();
}

}  // namespace quillane
