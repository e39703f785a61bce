#pragma once

#include <string>

enum class FileReadResult {
    Read,
    Missing,    // no such file
    Unreadable, // there, but not a regular file we may read
};

// Reads a whole regular file into `contents`. Opening never blocks (a FIFO is unreadable).
FileReadResult ReadWholeFile(const std::string& path, std::string& contents);
