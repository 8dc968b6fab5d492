#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillane {

// Searching a text the way FindText compares: byte by byte; without
// matchCase both texts count as upper-cased first, which touches the ASCII
// letters only, so that positions and lengths never change. An empty `what`
// is never found.

// The first match starting at or after `from`.
std::optional<std::size_t> FindForward(std::string_view text, std::string_view what, std::size_t from, bool matchCase);

// The last match starting at or before `last` (the first position tested
// when going towards the start).
std::optional<std::size_t> FindBackward(std::string_view text, std::string_view what, std::size_t last, bool matchCase);

// One edit that gives the result of replacing match after match: the bytes
// [start, start + length) of the text become `replacement`.
struct ReplaceAllEdit {
    std::size_t count = 0;  // replacements made; 0: no edit
    std::size_t start = 0;
    std::size_t length = 0;
    std::string replacement;
    std::size_t caret = 0;  // just after the last text inserted
};

// Downward: find at or after `first`, replace, continue after the inserted
// text, until nothing is found.
ReplaceAllEdit PlanReplaceAllDown(std::string_view text, std::string_view what, std::string_view with, std::size_t first,
                                  bool matchCase);

// Upward: test positions from `first` towards 0, replace, continue with the
// position just before the inserted text, until nothing is found. A match
// may run on into text inserted before; inserted text itself is never
// searched again, so a replacement containing `what` cannot repeat forever.
ReplaceAllEdit PlanReplaceAllUp(std::string_view text, std::string_view what, std::string_view with, std::size_t first,
                                bool matchCase);

}  // namespace quillane
