// The simulator's output queue when the port does not take everything: lines are
// dropped whole, a line already begun is always finished, nothing is interleaved.
#include "OutputQueue.h"
#include "QueueDrain.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string LineOf(char fill, size_t bytes) {
    return std::string(bytes - 2, fill) + "\r\n";
}

TEST(SimOutputQueue, FullQueueDropsNewLinesWhole) {
    OutputQueue queue(1000);
    std::string expected;
    std::vector<std::string> expectedValid;
    for (char c = 'a'; c <= 'o'; ++c) {
        bool fits = expected.size() + 100 <= 1000;
        EXPECT_EQ(queue.Push(LineOf(c, 100), std::string(1, c)), fits) << c;
        if (fits) {
            expected += LineOf(c, 100);
            expectedValid.emplace_back(1, c);
        }
    }
    // A line bigger than the whole queue goes only into an empty one.
    EXPECT_FALSE(queue.Push(LineOf('z', 5000)));

    Drained drained = Drain(queue);
    EXPECT_EQ(drained.Bytes, expected);
    EXPECT_EQ(drained.Valid, expectedValid);
    EXPECT_TRUE(queue.Push(LineOf('z', 5000)));
    EXPECT_EQ(Drain(queue).Bytes, LineOf('z', 5000));
}

TEST(SimOutputQueue, LineBegunBeforeTheQueueIsClearedIsFinished) {
    int ends[2];
    ASSERT_EQ(pipe2(ends, O_NONBLOCK), 0);
    ASSERT_EQ(fcntl(ends[1], F_SETPIPE_SZ, 4096), 4096);
    OutputQueue queue;
    for (char c = 'a'; c <= 'j'; ++c)
        ASSERT_TRUE(queue.Push(LineOf(c, 1000), std::string(1, c)));

    std::vector<std::string> sent;
    auto record = [&sent](const std::string& line) { sent.push_back(line); };
    ASSERT_TRUE(queue.WriteTo(ends[1], record)); // the pipe takes four lines and a part
    EXPECT_EQ(sent, (std::vector<std::string>{"a", "b", "c", "d"}));
    queue.DropUnstarted();
    queue.Push("NEW\r\n", "NEW");

    std::string got;
    char buffer[8192];
    while (!queue.Empty() || got.empty()) {
        ssize_t n = read(ends[0], buffer, sizeof buffer);
        if (n > 0)
            got.append(buffer, static_cast<size_t>(n));
        ASSERT_TRUE(queue.WriteTo(ends[1], record));
    }
    ssize_t n;
    while ((n = read(ends[0], buffer, sizeof buffer)) > 0)
        got.append(buffer, static_cast<size_t>(n));
    close(ends[0]);
    close(ends[1]);

    EXPECT_EQ(got, LineOf('a', 1000) + LineOf('b', 1000) + LineOf('c', 1000) + LineOf('d', 1000) +
                       LineOf('e', 1000) + "NEW\r\n");
    EXPECT_EQ(sent, (std::vector<std::string>{"a", "b", "c", "d", "e", "NEW"}));
}

} // namespace
