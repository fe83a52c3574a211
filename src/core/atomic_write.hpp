// Replaces a file's content all at once: the text goes to a temporary file beside it,
// which is flushed to the disk and then renamed over the file. A crash, a power cut, a full
// disk or a failed write never leaves a half-written file behind; the previous file stays
// in place instead.
#pragma once

#include <string>

enum class WriteResult { Written, CannotCreate, WriteFailed, RenameFailed };

// The temporary file this process writes beside `path`.
std::string temporaryPathFor(const std::string& path);
WriteResult writeFileAtomically(const std::string& path, const std::string& text);

// Removes the temporary files that writers of other, no longer running processes left in
// `folder` (a start killed while it wrote). Files of a copy still running, and of this
// process, are kept. Returns how many were removed.
int removeStaleTemporaryFiles(const std::string& folder);
