#include "editor/text_search.h"

#include <algorithm>
#include <cstring>

namespace quillane {

namespace {

unsigned char upper(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }
unsigned char lower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

bool sameByte(char a, char b, bool matchCase) {
    return matchCase ? a == b : upper(static_cast<unsigned char>(a)) == upper(static_cast<unsigned char>(b));
}

bool equalAt(const char* a, const char* b, std::size_t n, bool matchCase) {
    if (matchCase) return std::memcmp(a, b, n) == 0;
    for (std::size_t i = 0; i < n; ++i)
        if (!sameByte(a[i], b[i], false)) return false;
    return true;
}

// The next position in [from, end) holding c, or end.
std::size_t nextByte(const char* data, std::size_t from, std::size_t end, unsigned char c) {
    if (from >= end) return end;
    const void* hit = std::memchr(data + from, c, end - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : end;
}

// The next position in [from, end) holding a or b, or end. Both bytes are
// looked for in windows that double in size: a byte that is rare or absent
// then costs no more than the distance to the hit, where one scan for it to
// the end would cost the rest of the text on every call.
std::size_t nextEither(const char* data, std::size_t from, std::size_t end, unsigned char a, unsigned char b) {
    if (a == b) return nextByte(data, from, end, a);
    std::size_t window = 256;
    while (from < end) {
        const std::size_t stop = end - from > window ? from + window : end;
        const std::size_t hitA = nextByte(data, from, stop, a);
        const std::size_t hitB = nextByte(data, from, hitA, b);
        if (hitB < stop) return hitB;  // hitB == hitA when b is not before a
        from = stop;
        window *= 2;
    }
    return end;
}

std::string reversed(std::string_view s) { return std::string(s.rbegin(), s.rend()); }

}  // namespace

std::optional<std::size_t> FindForward(std::string_view text, std::string_view what, std::size_t from,
                                       bool matchCase) {
    const std::size_t m = what.size();
    if (m == 0 || from > text.size() || text.size() - from < m) return std::nullopt;
    const char* data = text.data();
    const std::size_t end = text.size() - m + 1;  // one past the last start
    if (matchCase) {
        const unsigned char first = static_cast<unsigned char>(what[0]);
        for (std::size_t p = nextByte(data, from, end, first); p < end; p = nextByte(data, p + 1, end, first))
            if (std::memcmp(data + p + 1, what.data() + 1, m - 1) == 0) return p;
        return std::nullopt;
    }
    const unsigned char lo = lower(static_cast<unsigned char>(what[0]));
    const unsigned char up = upper(static_cast<unsigned char>(what[0]));
    for (std::size_t p = nextEither(data, from, end, lo, up); p < end; p = nextEither(data, p + 1, end, lo, up))
        if (equalAt(data + p + 1, what.data() + 1, m - 1, false)) return p;
    return std::nullopt;
}

std::optional<std::size_t> FindBackward(std::string_view text, std::string_view what, std::size_t last,
                                        bool matchCase) {
    const std::size_t m = what.size();
    if (m == 0 || text.size() < m) return std::nullopt;
    std::size_t p = std::min(last, text.size() - m);
    if (matchCase) {
        std::size_t hit = text.rfind(what, p);
        return hit == std::string_view::npos ? std::nullopt : std::optional<std::size_t>(hit);
    }
    for (;; --p) {
        if (equalAt(text.data() + p, what.data(), m, false)) return p;
        if (p == 0) return std::nullopt;
    }
}

ReplaceAllEdit PlanReplaceAllDown(std::string_view text, std::string_view what, std::string_view with,
                                  std::size_t first, bool matchCase) {
    ReplaceAllEdit edit;
    std::size_t copied = 0;  // the original text is taken over up to here
    for (auto hit = FindForward(text, what, first, matchCase); hit;
         hit = FindForward(text, what, *hit + what.size(), matchCase)) {
        if (edit.count++ == 0)
            edit.start = copied = *hit;
        edit.replacement.append(text.substr(copied, *hit - copied));
        edit.replacement.append(with);
        copied = *hit + what.size();
    }
    if (edit.count == 0) return edit;
    edit.length = copied - edit.start;
    edit.caret = edit.start + edit.replacement.size();
    return edit;
}

ReplaceAllEdit PlanReplaceAllUp(std::string_view text, std::string_view what, std::string_view with,
                                std::size_t first, bool matchCase) {
    // The text as the search sees it after some replacements is
    //   text[0, front) + built + text[back, end)
    // where front is the start of the last match. `built` is kept reversed so
    // that prepending to it is an append.
    ReplaceAllEdit edit;
    const std::size_t m = what.size();
    const std::size_t n = text.size();
    if (m == 0) return edit;
    std::size_t front = n;
    std::size_t back = n;
    std::string builtReversed;

    // Byte i of what follows front.
    auto after = [&](std::size_t i) -> char {
        std::size_t b = builtReversed.size();
        return i < b ? builtReversed[b - 1 - i] : text[back + (i - b)];
    };
    auto afterLength = [&] { return builtReversed.size() + (n - back); };

    // A match at c < front that runs on past front.
    auto matchesAcross = [&](std::size_t c) {
        std::size_t k = front - c;  // bytes before front
        if (afterLength() < m - k) return false;
        if (!equalAt(text.data() + c, what.data(), k, matchCase)) return false;
        for (std::size_t i = 0; i < m - k; ++i)
            if (!sameByte(after(i), what[k + i], matchCase)) return false;
        return true;
    };

    std::size_t next = first;  // the highest position still to test
    while (front > 0) {
        std::optional<std::size_t> hit;
        // Positions whose match would run on past front are the higher ones.
        const std::size_t top = std::min(next, front - 1);
        const std::size_t lowestAcross = front >= m ? front - m + 1 : 0;
        for (std::size_t c = top + 1; c-- > lowestAcross;) {
            if (matchesAcross(c)) {
                hit = c;
                break;
            }
        }
        if (!hit && front >= m) hit = FindBackward(text.substr(0, front), what, std::min(next, front - m), matchCase);
        if (!hit) break;

        const std::size_t e = *hit + m;
        ++edit.count;
        if (e <= front) {
            if (builtReversed.empty() && front == back)
                back = e;
            else
                builtReversed.append(reversed(text.substr(e, front - e)));
        } else {
            std::size_t consumed = e - front;
            if (consumed <= builtReversed.size()) {
                builtReversed.resize(builtReversed.size() - consumed);
            } else {
                back += consumed - builtReversed.size();
                builtReversed.clear();
            }
        }
        builtReversed.append(reversed(with));
        front = *hit;
        next = front - 1;  // the loop ends when front is 0
    }
    if (edit.count == 0) return edit;
    edit.start = front;
    edit.length = back - front;
    edit.replacement = reversed(builtReversed);
    edit.caret = front + with.size();
    return edit;
}

}  // namespace quillane
