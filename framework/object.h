#pragma once
// Root of the framework's classes and the pointer array that holds them.
#include <cstddef>
#include <vector>

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;
};

// A growable array of object pointers; it never owns what it points to.
class CObArray : public CObject {
public:
    std::ptrdiff_t Add(CObject* p) {
        items_.push_back(p);
        return static_cast<std::ptrdiff_t>(items_.size()) - 1;
    }
    std::ptrdiff_t GetSize() const noexcept { return static_cast<std::ptrdiff_t>(items_.size()); }
    CObject* GetAt(std::ptrdiff_t i) const { return items_.at(static_cast<std::size_t>(i)); }
    CObject* operator[](std::ptrdiff_t i) const { return GetAt(i); }

private:
    std::vector<CObject*> items_;
};
