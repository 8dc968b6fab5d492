#pragma once
#include <QApplication>
#include <functional>

namespace quillane {

// The application object that keeps every exception inside the event it came
// from. A button of a modal dialog runs in the dialog's own event loop, below
// the command that opened it, so the command's guard alone cannot catch what
// the button throws before it passes through Qt's event dispatch, which is not
// made to carry exceptions.
class GuardedApplication : public QApplication {
public:
    // Runs a step and reports whatever it throws; false if it threw.
    using Guard = std::function<bool(const std::function<void()>&)>;

    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    void setGuard(Guard guard) { guard_ = std::move(guard); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Guard guard_;
};

}  // namespace quillane
