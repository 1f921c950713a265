// Empties a simulator's output queue through a pipe, as the port would take it.
#pragma once

#include "OutputQueue.h"

#include <string>
#include <vector>

struct Drained {
    std::string Bytes;              // everything written, noise included
    std::vector<std::string> Valid; // the valid lines reported as sent, in order
};

Drained Drain(OutputQueue& queue);
