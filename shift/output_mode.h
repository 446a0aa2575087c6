#pragma once

#include "core/file_system.h"
#include "shift/rewriter.h"

namespace chronoflip {

// Puts a finished work file where the output mode wants it; throws the rename's message.
void applyOutputMode(FileSystem& files, const FileContext& file, int outputMode);

}  // namespace chronoflip
