#include "core/windows_api.h"

#include <new>

#include "core/native_pages.h"

namespace chronoflip::native {

// Windows has no way to make committed pages present at once; they still come zeroed and
// whole, without the heap's bookkeeping.
char* mapPages(std::size_t size) {
    void* const pages = ::VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (pages == nullptr) throw std::bad_alloc();
    return static_cast<char*>(pages);
}

void unmapPages(char* pages, std::size_t) {
    ::VirtualFree(pages, 0, MEM_RELEASE);
}

}  // namespace chronoflip::native
