#pragma once

#include "file_system.h"
#include "rewriter.h"

namespace chronoflip {

// Puts a finished work file where the output mode wants it; throws the rename's message.
void applyOutputMode(FileSystem& files, const FileContext& file, int outputMode);

}  // namespace chronoflip
