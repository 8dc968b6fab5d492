#pragma once
#include <cstdint>
#include <vector>

#include "editor/text_encoding.h"

namespace quillane {

struct DocumentSlot {
    bool free = false;
    bool modified = false;
    // How the document's file is encoded; kept so that a save writes it back
    // the same way.
    TextEncoding encoding = TextEncoding::Utf8;
};

// DocumentSlots: the record per window slot. Slot 0 is never used; the table
// starts with slots 0 and 1, grows by one when no slot is free, never shrinks.
class DocumentSlots {
public:
    DocumentSlots();

    // AllocateDocumentSlot: the lowest free slot from 1, marked occupied, or a
    // new last slot.
    int allocate();
    // AnyDocumentOpen
    bool anyOpen() const;
    void release(int slot);

    // The slot's record; slots outside the table give a scratch record.
    DocumentSlot& operator[](int slot);
    int lastSlot() const { return static_cast<int>(slots_.size()) - 1; }

    // LastNewSlot: the slot of the most recently created empty document.
    int lastNewSlot = 0;

private:
    std::vector<DocumentSlot> slots_;
    DocumentSlot scratch_;
};

}  // namespace quillane
