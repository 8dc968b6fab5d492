// What a dialog's button throws is reported and the program goes on.
#include "app/ui/guarded_application.h"

#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillane {

class GuardedApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void aButtonThatThrowsInsideAModalDialogIsReported() {
        auto* app = static_cast<GuardedApplication*>(QCoreApplication::instance());
        std::vector<std::string> reports;
        app->setGuard([&](const std::function<void()>& step) {
            try {
                step();
                return true;
            } catch (const std::exception& e) {
                reports.emplace_back(e.what());
                return false;
            }
        });

        QDialog dialog;
        auto* button = new QPushButton("OK", &dialog);
        button->setObjectName("Command1");
        QObject::connect(button, &QPushButton::clicked, [] { throw std::runtime_error("disk on fire"); });

        bool stillAnswering = false;
        QTimer::singleShot(0, [&] {
            QTest::mouseClick(button, Qt::LeftButton);
            // The dialog's loop survived the throw and keeps handling input.
            stillAnswering = dialog.isVisible();
            dialog.reject();
        });
        dialog.exec();

        QVERIFY(stillAnswering);
        QCOMPARE(reports, std::vector<std::string>{"disk on fire"});
        app->setGuard({});
    }
};

}  // namespace quillane

int main(int argc, char** argv) {
    quillane::GuardedApplication app(argc, argv);
    quillane::GuardedApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "guarded_application_test.moc"
