#include "listfile/entry_text_search.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "listfile/text_search.h"

namespace {

constexpr long MaxTailLength = 7;

// The tail bytes and their number packed into one key.
std::uint64_t TailKey(const char* tail, long length) {
    std::uint64_t key = static_cast<std::uint64_t>(length) << 56;
    for (long k = 0; k < length; ++k)
        key |= static_cast<std::uint64_t>(static_cast<unsigned char>(tail[k])) << (8 * k);
    return key;
}

bool EndsWithPfm(const char* pattern, long length) {
    return length >= 4 && std::memcmp(pattern + length - 4, ".pfm", 4) == 0;
}

} // namespace

EntryTextSearch::EntryTextSearch(const char* text, const CodePage& codePage) : folded_(text) {
    const long length = static_cast<long>(folded_.size());
    FoldText(folded_.data(), codePage);

    // Walk the text as FindTextNoCase's scan does: every character up to the first '[' outside a
    // comment is a starting point, except a comment from its ';' through its line feed.
    startsSearch_.assign(length, false);
    long at = 0;
    while (at < length && text[at] != '[') {
        if (text[at] == ';') {
            at = NextLineStart(text, at);
            continue;
        }
        startsSearch_[at] = true;
        at += static_cast<long>(codePage.CharLength(text + at));
    }
    scanEnd_ = at;

    std::vector<std::pair<std::uint64_t, long>> byTail;
    for (size_t pfm = folded_.find(".pfm"); pfm != std::string::npos;
         pfm = folded_.find(".pfm", pfm + 4)) {
        const long dot = static_cast<long>(pfm);
        pfmAt_.push_back(dot);
        for (long tail = 1; tail <= MaxTailLength && tail <= dot; ++tail)
            byTail.emplace_back(TailKey(folded_.data() + dot - tail, tail), dot);
    }
    std::sort(byTail.begin(), byTail.end());
    for (const auto& [key, dot] : byTail) {
        if (tailKeys_.empty() || tailKeys_.back() != key) {
            tailKeys_.push_back(key);
            pfmAtByTail_.emplace_back();
        }
        pfmAtByTail_.back().push_back(dot);
    }
}

long EntryTextSearch::Find(const char* pattern) const {
    const long length = static_cast<long>(std::strlen(pattern));
    if (length == 0)
        return NotFound;
    if (!EndsWithPfm(pattern, length))
        return FindAnywhere(pattern);
    const long tail = std::min(length - 4, MaxTailLength);
    if (tail == 0)
        return FindBeforePfm(pfmAt_, pattern, length);
    const std::uint64_t key = TailKey(pattern + length - 4 - tail, tail);
    const auto group = std::lower_bound(tailKeys_.begin(), tailKeys_.end(), key);
    if (group == tailKeys_.end() || *group != key)
        return NotFound;
    return FindBeforePfm(pfmAtByTail_[group - tailKeys_.begin()], pattern, length);
}

// A pattern that ends with ".pfm" can only match where a ".pfm" of the text ends it.
long EntryTextSearch::FindBeforePfm(const std::vector<long>& pfmAt, const char* pattern,
                                    long length) const {
    for (const long dot : pfmAt) {
        const long start = dot - (length - 4);
        if (start < 0)
            continue;
        if (start >= scanEnd_)
            return NotFound;
        if (startsSearch_[start] && std::memcmp(folded_.data() + start, pattern, length - 4) == 0)
            return start + 1;
    }
    return NotFound;
}

long EntryTextSearch::FindAnywhere(const char* pattern) const {
    const std::string_view text(folded_);
    for (size_t from = 0;;) {
        const size_t at = text.find(pattern, from);
        if (at == std::string_view::npos || static_cast<long>(at) >= scanEnd_)
            return NotFound;
        if (startsSearch_[at])
            return static_cast<long>(at) + 1;
        from = at + 1;
    }
}
