// Reference counting for the objects of the DirectDraw-like and Direct3D-like
// faces: AddRef and Release as callers of those interfaces expect; the object
// deletes itself when the last reference goes.
#pragma once

#include <cstdint>

class cRefCounted {
public:
    cRefCounted() = default;
    cRefCounted(const cRefCounted&) = delete;
    cRefCounted& operator=(const cRefCounted&) = delete;

    std::uint32_t AddRef() { return ++refs_; }
    // The count left afterwards.
    std::uint32_t Release() {
        std::uint32_t left = --refs_;
        if (left == 0) delete this;
        return left;
    }
    std::uint32_t RefCount() const { return refs_; }

protected:
    virtual ~cRefCounted() = default;

private:
    std::uint32_t refs_ = 1;
};

// Releases a pointer when it is set and clears it.
template <class T> void SafeRelease(T*& p) {
    if (p) {
        p->Release();
        p = nullptr;
    }
}
