// Reading the start of a file without ever blocking: the readers of saved boards and puzzle text
// are handed whatever a person or a desktop points them at, FIFOs and devices included.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// Reads at most maxBytes from the start of the regular file at path (a symbolic link is followed)
// into bytes. Returns false, leaving bytes untouched, when the file cannot be opened or read, or
// is anything but a regular file (a folder, a FIFO, a device); such a file is opened without
// waiting for a writer and never read. The reason goes to *error when given ("not a regular
// file", or the system's words).
bool ReadFilePrefix(const std::filesystem::path& path, std::size_t maxBytes, std::string& bytes,
                    std::string* error = nullptr);
