// Replaces a file's content all at once: the text goes to a temporary file beside it,
// which is then renamed over the file. A crash, a full disk or a failed write never
// leaves a half-written file behind; the previous file stays in place instead.
#pragma once

#include <string>

enum class WriteResult { Written, CannotCreate, WriteFailed, RenameFailed };

// The temporary file this process writes beside `path`.
std::string temporaryPathFor(const std::string& path);
WriteResult writeFileAtomically(const std::string& path, const std::string& text);
