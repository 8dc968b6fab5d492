#include "platform/write_signals.h"

#include <signal.h>

namespace quillane {

namespace {

void Disregard(int) {}

}  // namespace

void IgnoreWriteSignals() {
    // Caught rather than set to be ignored: an ignored signal would stay
    // ignored in the browsers and programs started from here, a caught one is
    // back to its default in them.
    struct sigaction action {};
    action.sa_handler = Disregard;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGXFSZ, &action, nullptr);
    sigaction(SIGPIPE, &action, nullptr);
}

}  // namespace quillane
