#include "editor/document_slots.h"

namespace quillane {

DocumentSlots::DocumentSlots() : slots_(2) {
    // Slot 1 belongs to the first window, made at start.
    slots_[0].free = true;
}

int DocumentSlots::allocate() {
    for (int i = 1; i <= lastSlot(); ++i) {
        if (slots_[i].free) {
            slots_[i] = DocumentSlot{};
            return i;
        }
    }
    slots_.push_back(DocumentSlot{});
    return lastSlot();
}

bool DocumentSlots::anyOpen() const {
    for (int i = 1; i <= lastSlot(); ++i) {
        if (!slots_[i].free) return true;
    }
    return false;
}

void DocumentSlots::release(int slot) {
    if (slot >= 1 && slot <= lastSlot()) slots_[slot].free = true;
}

DocumentSlot& DocumentSlots::operator[](int slot) {
    if (slot < 0 || slot > lastSlot()) {
        scratch_ = DocumentSlot{};
        return scratch_;
    }
    return slots_[slot];
}

}  // namespace quillane
