#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// The files named on mousecfg's command line, opened so that no name can make the tool wait forever
// or read without end.

// A command-line path (UTF-8) as a path of the file system.
std::filesystem::path pathFromUtf8(const std::string& path);

// Reads at most `limit` bytes from the start of the file `path` names into `bytes`, so an endless
// source (a device, a pipe) ends there. The open does not wait for a writer: a FIFO that nobody
// writes to reads as empty. On failure (missing, denied, a folder, a read error) `error` says why in
// one line.
bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes, std::string& error);

// Whether `path` may receive a trace: a new file, or an existing regular file (through links). A
// FIFO, a device or a folder is refused with the reason in `error`: writing to it could wait
// forever or damage what it stands for.
bool checkTraceTarget(const std::string& path, std::string& error);
