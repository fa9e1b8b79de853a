#pragma once
// The accessible object's portable decisions: moving among a face's children and
// what to announce when a face changes. Child ids are 1..count; 0 is the window.
#include <string>
#include <vector>

namespace fw {

enum class Nav { Next, Previous, FirstChild, LastChild };

// The child that `nav` leads to from `from` (0 = the window itself) among
// `count` children, or -1 when it leads nowhere inside the window.
constexpr long NavigateAmong(long count, long from, Nav nav) noexcept {
    if (from == 0) {
        if (count <= 0) return -1;
        if (nav == Nav::FirstChild) return 1;
        if (nav == Nav::LastChild) return count;
        return -1;  // the window's siblings are the system's business
    }
    if (from < 0 || from > count) return -1;
    if (nav == Nav::Next) return from < count ? from + 1 : -1;
    if (nav == Nav::Previous) return from > 1 ? from - 1 : -1;
    return -1;  // a painted item has no children
}

struct FaceChanges {
    bool reordered = false;     // the set of children changed: announce the whole
    std::vector<long> renamed;  // child ids whose name changed
};

inline FaceChanges CompareNames(const std::vector<std::wstring>& before, const std::vector<std::wstring>& after) {
    FaceChanges changes;
    if (before.size() != after.size()) {
        changes.reordered = true;
        return changes;
    }
    for (size_t i = 0; i < after.size(); ++i)
        if (before[i] != after[i]) changes.renamed.push_back(static_cast<long>(i) + 1);
    return changes;
}

}  // namespace fw
