#include "app/save_writer.hpp"

#include "world/save_file.hpp"

#include <utility>

namespace {

void writerLoop(SaveWriter* writer) {
    std::unique_lock<std::mutex> held(writer->lock);
    for (;;) {
        writer->wake.wait(held, [writer] { return writer->waiting || writer->stopping; });
        if (!writer->waiting) return; // stopping, with nothing left to write
        std::string path = std::move(writer->path);
        std::string text = std::move(writer->text);
        writer->waiting = false;
        writer->writing = true;
        held.unlock();
        const bool written = writeSaveText(path, text);
        held.lock();
        writer->writing = false;
        writer->result = written ? SaveWriteResult::Written : SaveWriteResult::Failed;
        if (!writer->waiting) writer->finished.notify_all();
    }
}

} // namespace

SaveWriter::~SaveWriter() {
    if (!thread.joinable()) return;
    {
        const std::lock_guard<std::mutex> held(lock);
        stopping = true;
    }
    wake.notify_one();
    thread.join();
}

void queueSave(SaveWriter* writer, const std::string& path, std::string text) {
    {
        const std::lock_guard<std::mutex> held(writer->lock);
        writer->path = path;
        writer->text = std::move(text);
        writer->waiting = true;
        if (!writer->thread.joinable()) writer->thread = std::thread(writerLoop, writer);
    }
    writer->wake.notify_one();
}

void finishSaves(SaveWriter* writer) {
    std::unique_lock<std::mutex> held(writer->lock);
    writer->finished.wait(held, [writer] { return !writer->waiting && !writer->writing; });
}

SaveWriteResult takeSaveResult(SaveWriter* writer) {
    const std::lock_guard<std::mutex> held(writer->lock);
    return std::exchange(writer->result, SaveWriteResult::None);
}
