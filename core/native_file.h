#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/file_handle.h"

// The platform's own file calls under LocalFileSystem, one set per platform. Each throws
// chronoflip::Error naming the path, with the system's code, unless it says otherwise.
namespace chronoflip::native {

// Opens a file for the engines to read; a folder is refused as an access failure.
FileHandle openToRead(const std::string& path);
// Opens a whole file (a report) to read; a folder is refused as the system names it, and
// on Windows another program may write the file meanwhile.
FileHandle openWholeToRead(const std::string& path);
// Creates the file, or empties it when it exists.
FileHandle create(const std::string& path);
// Creates the file replaceWhole writes before its rename, with the rights of target when
// there is one; a leftover link at its name does not lead the write elsewhere.
FileHandle createTemporary(const std::string& temporary, const std::string& target);

// Reads up to size bytes; 0 only at the end of the file.
std::size_t readSome(const FileHandle& file, char* buffer, std::size_t size,
                     const std::string& path);
void writeAll(const FileHandle& file, const char* data, std::size_t size, const std::string& path);
// Puts what was written on the disk.
void flushToDisk(const FileHandle& file, const std::string& path);

// Moves a file to a name no file has; false, the reason in lastSystemError(), when the
// target exists or the move fails.
bool moveToFreeName(const std::string& from, const std::string& to);
// Moves the temporary file over target in one step; the error names target.
void moveOver(const std::string& temporary, const std::string& target);
// Deletes a file if it can, and never a folder; a failure is not reported.
void deleteQuietly(const std::string& path);

}  // namespace chronoflip::native
