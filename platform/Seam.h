// The scoped guard every seam names for its tests: installs an implementation
// for the guard's lifetime and puts back the one that was in effect before.
#pragma once

template <class T, T& (*Get)(), void (*Set)(T*)> class cScopedSeam {
public:
    explicit cScopedSeam(T& seam) : previous_(&Get()) { Set(&seam); }
    ~cScopedSeam() { Set(previous_); }
    cScopedSeam(const cScopedSeam&) = delete;
    cScopedSeam& operator=(const cScopedSeam&) = delete;

private:
    T* previous_;
};
