#pragma once

namespace quillane {

// A write past the file size limit (ulimit -f) or into a pipe whose reader has
// gone raises a signal that by default ends the program, and every unsaved
// window with it. Ignored, the write fails with EFBIG or EPIPE and is reported
// like any other write error. Called once at start.
void IgnoreWriteSignals();

}  // namespace quillane
