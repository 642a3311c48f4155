// A read that runs out of memory at any one of its allocations, its last steps included, leaves the
// caller's document as it was. This program replaces the global operator new to make allocations fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "IoTestSupport.h"
#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"

namespace {

// How many allocations succeed before one fails; negative: none fails.
long allocationsLeft = -1;

}  // namespace

void* operator new(std::size_t size) {
    if (allocationsLeft == 0) {
        allocationsLeft = -1;
        throw std::bad_alloc();
    }
    if (allocationsLeft > 0) --allocationsLeft;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace mirota {
namespace {

// Lets the given number of allocations succeed and fails the next one, while it lasts.
class MemoryRunsOut {
public:
    explicit MemoryRunsOut(long after) { allocationsLeft = after; }
    ~MemoryRunsOut() { allocationsLeft = -1; }
    MemoryRunsOut(const MemoryRunsOut&) = delete;
    MemoryRunsOut& operator=(const MemoryRunsOut&) = delete;
};

std::string written(const SurveyData& document) {
    std::string bytes;
    EXPECT_FALSE(formatDataFile(document, bytes));
    return bytes;
}

TEST(DataFileReaderMemory, AReadThatRunsOutOfMemoryLeavesTheDocumentAsItWas) {
    SurveyData previous;
    previous.changeTierCount(3);
    previous.setCell(ListKind::Chain, 2, 3, 1, "7.77");
    previous.conditions.drawingLayerName = "旧図面";
    previous.currentFilePath = "/old/path.txt";
    previous.view.currentTier = 2;
    const std::string previousBytes = written(previous);
    const std::string file = test::joinLines(test::exampleLines());

    int failedReads = 0;
    for (long allowed = 0;; ++allowed) {
        SurveyData document = previous;
        std::optional<Message> failure;
        {
            const MemoryRunsOut memory(allowed);
            failure = parseDataFile(file, document);
        }
        if (!failure) break;
        ++failedReads;
        EXPECT_EQ(failure->text, "メモリが不足しています。") << allowed;
        ASSERT_EQ(written(document), previousBytes) << "after " << allowed << " allocations";
        EXPECT_EQ(document.tierCount(), 3) << allowed;
        EXPECT_EQ(document.previousTierCount(), previous.previousTierCount()) << allowed;
        EXPECT_EQ(document.conditions, previous.conditions) << allowed;
        EXPECT_EQ(document.currentFilePath, "/old/path.txt") << allowed;
        EXPECT_EQ(document.view.currentTier, 2) << allowed;
    }
    // The read needs many allocations: each of them was made to fail in turn.
    EXPECT_GT(failedReads, 3);
}

}  // namespace
}  // namespace mirota
