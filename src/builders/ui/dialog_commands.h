#pragma once
#include "app/command_table.h"

class QWidget;

namespace quillane {

// Opens a builder dialog over a document window.
using OpenDocumentDialog = void (*)(AppContext&, DocumentView&, QWidget* parent);

// A menu command acts on the window whose menu was used (else the active one).
CommandHandler DialogMenuCommand(OpenDocumentDialog open, QWidget* parent);
// A toolbar button acts on the active document and gives its editor the focus
// back afterwards.
CommandHandler DialogToolbarCommand(OpenDocumentDialog open, QWidget* parent);

}  // namespace quillane
