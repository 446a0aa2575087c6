#include "core/page_buffer.h"

#include <utility>

#include "core/native_pages.h"

namespace chronoflip {

namespace {

// Under the address sanitizer the bytes come from the heap, so that a look one byte past
// the end is caught rather than landing in the rest of the last page.
#if defined(__SANITIZE_ADDRESS__)
char* allocate(std::size_t size) {
    return new char[size]();
}
void release(char* data, std::size_t) {
    delete[] data;
}
#else
char* allocate(std::size_t size) {
    return native::mapPages(size);
}
void release(char* data, std::size_t size) {
    native::unmapPages(data, size);
}
#endif

}  // namespace

PageBuffer::PageBuffer(std::size_t size)
    : data_(size == 0 ? nullptr : allocate(size)), size_(size) {}

PageBuffer::~PageBuffer() {
    if (data_ != nullptr) release(data_, size_);
}

PageBuffer::PageBuffer(PageBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

PageBuffer& PageBuffer::operator=(PageBuffer&& other) noexcept {
    PageBuffer taken(std::move(other));
    swap(taken);
    return *this;
}

void PageBuffer::swap(PageBuffer& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
}

}  // namespace chronoflip
