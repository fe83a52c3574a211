// Writes the autosave beside the frame loop: the frame makes the save's text and hands it
// over; a thread of the writer's own renames the previous save to the backup, writes the new
// one and waits for the disk (fsync), so a slow disk never holds a frame up. Only the newest
// text waiting is written: a save overtaken before its turn is dropped, never half-written.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

enum class SaveWriteResult { None, Written, Failed };

struct SaveWriter {
    std::mutex lock;
    std::condition_variable wake;     // a text waits, or the writer must stop
    std::condition_variable finished; // nothing waits and nothing is being written
    std::string path;
    std::string text;
    bool waiting = false;
    bool writing = false;
    bool stopping = false;
    // The outcome of the last write, until taken.
    SaveWriteResult result = SaveWriteResult::None;
    std::thread thread;

    SaveWriter() = default;
    SaveWriter(const SaveWriter&) = delete;
    SaveWriter& operator=(const SaveWriter&) = delete;
    // Writes what still waits, then stops the thread: a game closed right after a save
    // point leaves that save on disk.
    ~SaveWriter();
};

// Hands a save's text over (started on the first call); an older text not yet begun is
// replaced.
void queueSave(SaveWriter* writer, const std::string& path, std::string text);
// Returns once everything handed over is on disk (or failed).
void finishSaves(SaveWriter* writer);
// The outcome of the last write since the last call (None when nothing was written).
SaveWriteResult takeSaveResult(SaveWriter* writer);
