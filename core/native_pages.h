#pragma once

#include <cstddef>

// The platform's own calls for whole pages of memory under PageBuffer.
namespace chronoflip::native {

// Zeroed pages for at least size bytes, present from the start where the system can make
// them so; throws std::bad_alloc when there is no memory.
char* mapPages(std::size_t size);
void unmapPages(char* pages, std::size_t size);

}  // namespace chronoflip::native
