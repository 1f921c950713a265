// Prints decoded lines as JSON, and counts them, on a thread of its own, a batch at a
// time, so that the decoder goes on with the next lines while the text of the last ones
// is written: the two take about as long, and a machine has more than one core.
#pragma once

#include "DecodeSummary.h"
#include "DecodedLine.h"
#include "JsonWriter.h"
#include "LineJson.h"

#include <array>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

class LinePrinter {
public:
    explicit LinePrinter(std::FILE* out);
    ~LinePrinter();
    LinePrinter(const LinePrinter&) = delete;
    LinePrinter& operator=(const LinePrinter&) = delete;

    // The place for the next line; it is printed after the lines before it.
    // It is handed over once the next line is asked for, or at Finish.
    DecodedLine& Next() {
        if (batches_[filling_].Count == kBatchLines)
            Submit(false);
        Batch& batch = batches_[filling_];
        return batch.Lines[batch.Count++];
    }
    // Prints what is left and waits for the output to be written. False when writing
    // failed.
    bool Finish();
    // The counts of the lines printed, complete after Finish.
    const DecodeSummary& Summary() const { return summary_; }

private:
    static constexpr size_t kBatchLines = 1024;
    static constexpr size_t kBatchCount = 4;
    struct Batch {
        std::vector<DecodedLine> Lines = std::vector<DecodedLine>(kBatchLines);
        size_t Count = 0;
        bool Ready = false; // handed to the printing thread, not yet printed
        bool Last = false;
    };

    // Hands the batch being filled over and waits until the next one is free.
    void Submit(bool last);
    void Print();

    JsonWriter json_;
    LineJson lineJson_;
    DecodeSummary summary_;
    std::array<Batch, kBatchCount> batches_;
    size_t filling_ = 0;
    bool finished_ = false;
    bool writeOk_ = true;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread printer_;
};
