#include "LinePrinter.h"

LinePrinter::LinePrinter(std::FILE* out) : json_(out), printer_([this] { Print(); }) {}

LinePrinter::~LinePrinter() {
    Finish();
}

void LinePrinter::Submit(bool last) {
    std::unique_lock lock(mutex_);
    Batch& full = batches_[filling_];
    full.Ready = true;
    full.Last = last;
    changed_.notify_all();
    filling_ = (filling_ + 1) % kBatchCount;
    Batch& next = batches_[filling_];
    changed_.wait(lock, [&] { return !next.Ready; });
    next.Count = 0;
}

void LinePrinter::Print() {
    for (size_t printing = 0;; printing = (printing + 1) % kBatchCount) {
        Batch& batch = batches_[printing];
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return batch.Ready; });
        }
        for (size_t i = 0; i < batch.Count; ++i) {
            lineJson_.Write(json_, batch.Lines[i]);
            summary_.Count(batch.Lines[i]);
        }
        bool last = batch.Last;
        if (last)
            writeOk_ = json_.Flush();
        std::lock_guard lock(mutex_);
        batch.Ready = false;
        changed_.notify_all();
        if (last)
            return;
    }
}

bool LinePrinter::Finish() {
    if (!finished_) {
        finished_ = true;
        Submit(true);
        printer_.join();
    }
    return writeOk_;
}
