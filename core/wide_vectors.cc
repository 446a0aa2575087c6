#include "core/wide_vectors.h"

namespace chronoflip {

bool haveAvx2() {
#if defined(CHRONOFLIP_HAVE_AVX2_CODE)
    static const bool have = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
    return have;
#else
    return false;
#endif
}

}  // namespace chronoflip
