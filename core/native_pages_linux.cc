#include <sys/mman.h>

#include <new>

#include "core/native_pages.h"

namespace chronoflip::native {

char* mapPages(std::size_t size) {
    void* const pages = ::mmap(nullptr, size, PROT_READ | PROT_WRITE,
                               MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (pages == MAP_FAILED) throw std::bad_alloc();
    return static_cast<char*>(pages);
}

void unmapPages(char* pages, std::size_t size) {
    ::munmap(pages, size);
}

}  // namespace chronoflip::native
