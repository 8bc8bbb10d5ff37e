// cVector and cList: the standard containers with the program's checked
// element access. A bad index is a program fault: it is logged to the error
// log and the report, the main window is asked to close, and the caller still
// gets an element so that the current frame can finish. That element is a
// scratch copy, never the container's own element 0, so a write through a
// failed access cannot corrupt a record.
#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <vector>

// Logs "err V[i] ( n , size )" or "err L[...]" and posts WM_CLOSE; size is the
// element's size in bytes in this program (sizeof), for every element type.
void ReportBadIndex(char kind, std::int64_t index, std::int64_t count, std::int64_t elementSize);

template <class T> class cVector : public std::vector<T> {
public:
    using std::vector<T>::vector;
    cVector() = default;
    cVector(const std::vector<T>& v) : std::vector<T>(v) {}
    cVector(std::vector<T>&& v) : std::vector<T>(std::move(v)) {}

    T& At(std::int64_t index) {
        if (index >= 0 && static_cast<std::uint64_t>(index) < this->size()) return (*this)[index];
        return BadIndex(index);
    }
    const T& At(std::int64_t index) const { return const_cast<cVector*>(this)->At(index); }

    bool InRange(std::int64_t index) const {
        return index >= 0 && static_cast<std::uint64_t>(index) < this->size();
    }

    void Fill(const T& value) {
        for (std::size_t i = 0; i < this->size(); ++i) At(static_cast<std::int64_t>(i)) = value;
    }

private:
    T& BadIndex(std::int64_t index) {
        ReportBadIndex('V', index, static_cast<std::int64_t>(this->size()),
                       static_cast<std::int64_t>(sizeof(T)));
        thread_local T scratch{};
        scratch = this->empty() ? T{} : this->front();
        return scratch;
    }
};

template <class T> class cList : public std::list<T> {
public:
    using std::list<T>::list;

    T& At(std::int64_t index) {
        if (index >= 0 && static_cast<std::uint64_t>(index) < this->size()) {
            auto it = this->begin();
            for (std::int64_t i = 0; i < index; ++i) ++it;
            return *it;
        }
        ReportBadIndex('L', index, static_cast<std::int64_t>(this->size()),
                       static_cast<std::int64_t>(sizeof(T)));
        thread_local T zero{};
        zero = T{};
        return zero;
    }

    // The n-th node without a check; n <= 0 gives the first node.
    typename std::list<T>::iterator IterAt(std::int64_t n) {
        auto it = this->begin();
        for (std::int64_t i = 0; i < n && it != this->end(); ++i) ++it;
        return it;
    }
};
