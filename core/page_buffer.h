#pragma once

#include <cstddef>

namespace chronoflip {

// A buffer for whole reads and writes whose pages are mapped in when it is made, in one
// call, rather than one by one as each is first touched: on virtual machines that trap
// every first touch to the hypervisor, those touches alone cost more than shifting a
// small file. Its bytes start as zeros.
class PageBuffer {
  public:
    PageBuffer() = default;  // empty
    explicit PageBuffer(std::size_t size);
    ~PageBuffer();
    PageBuffer(PageBuffer&& other) noexcept;
    PageBuffer& operator=(PageBuffer&& other) noexcept;
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;

    void swap(PageBuffer& other) noexcept;
    char* data() { return data_; }
    const char* data() const { return data_; }
    std::size_t size() const { return size_; }

  private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace chronoflip
