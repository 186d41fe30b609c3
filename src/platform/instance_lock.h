#pragma once
#include <filesystem>

// Only one copy of the game runs per user: the first holds a lock on a file in the
// settings folder until it exits. Returns false when another copy holds it.
bool AcquireInstanceLock(const std::filesystem::path& lockFile);
