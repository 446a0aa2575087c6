#pragma once

#include <cstddef>
#include <optional>

#include "core/line_scan.h"

namespace chronoflip {

// What the line reader must know of each chunk it reads, found in one look at it, on the
// thread that read it when it reads ahead.
struct ChunkSurvey {
    std::size_t read = 0;  // bytes read: 0 at the end of the input
    std::size_t text = 0;  // the bytes before a Ctrl-Z, which ends the input; all without one
    std::size_t lfs = 0;   // the LFs in the text
    bool loneCr = false;   // hasLoneCr() of the text
    // An LF in the text without a CR before it; one that starts it counts, as the byte
    // before lies beyond.
    bool bareLf = false;
};

ChunkSurvey surveyChunk(const char* data, std::size_t read);
// The same, and, given a mark, the chunk's marked lines when all its lines end with CR LF:
// others are rewritten a line at a time.
ChunkSurvey surveyChunk(const char* data, std::size_t read, const std::optional<LineMark>& mark,
                        MarkedLines& marked);

// A CR followed within the bytes by anything but LF; a CR at their very end is not looked
// at, as its LF may lie beyond.
bool hasLoneCr(const char* data, std::size_t size);

}  // namespace chronoflip
