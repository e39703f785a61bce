#pragma once

#include <string>
#include <string_view>

enum class FileReadResult {
    Read,
    Missing,    // no such file
    Unreadable, // there, but not a regular file we may read
};

// Reads a whole regular file into `contents`. Opening never blocks (a FIFO is unreadable).
FileReadResult ReadWholeFile(const std::string& path, std::string& contents);

// Replaces the file at `path` by `contents`: the new text goes into a file beside it, reaches
// the disk, and is then renamed over the old one, so readers and crashes see either the old
// file or the new one, never a half-written one. An existing file keeps its permission bits.
bool ReplaceWholeFile(const std::string& path, std::string_view contents);
