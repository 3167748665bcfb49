#pragma once
// A growable array kept in pages of a fixed size. Growing never copies what
// is there, nor leaves room for as much again as a vector does: for what a
// view keeps for every line of a long history, that room would be most of
// its memory.
#include <algorithm>
#include <memory>
#include <vector>

namespace platform {

template <typename T>
class PagedArray {
public:
    static constexpr size_t kPage = 4096;

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](size_t i) { return pages_[i / kPage][i % kPage]; }
    const T& operator[](size_t i) const { return pages_[i / kPage][i % kPage]; }
    T& back() { return (*this)[size_ - 1]; }

    void push_back(const T& value)
    {
        if (size_ == pages_.size() * kPage)
            pages_.push_back(std::make_unique<T[]>(kPage));
        (*this)[size_++] = value;
    }
    void resize(size_t n, const T& value = T())
    {
        while (size_ < n)
            push_back(value);
        size_ = n;
        pages_.resize((n + kPage - 1) / kPage);
    }
    void assign(size_t n, const T& value)
    {
        clear();
        resize(n, value);
    }
    void fill(const T& value)
    {
        for (auto& page : pages_)
            std::fill(page.get(), page.get() + kPage, value);
    }
    void clear()
    {
        pages_.clear();
        size_ = 0;
    }
    size_t memoryUsed() const { return pages_.size() * kPage * sizeof(T) + pages_.capacity() * sizeof(pages_[0]); }

private:
    std::vector<std::unique_ptr<T[]>> pages_;
    size_t size_ = 0;
};

}  // namespace platform
