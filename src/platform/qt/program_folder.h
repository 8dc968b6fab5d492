#pragma once
#include <QString>

namespace quillane {

// The folder holding the shipped files (help, templates, tips), ending in
// '/': the executable's folder in a build tree, <prefix>/share/quillane when
// installed.
QString ProgramFolder();

}  // namespace quillane
