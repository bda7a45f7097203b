// The search allocates nothing for its trials: the only allocations of a solve are the sentences
// that end up in the step list (and the list itself).
#include "solver/SuDokuBoard.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_counting{false};
std::atomic<size_t> g_allocations{0};

}  // namespace

// Counts every allocation of the test program while counting is on. GCC takes the free() in the
// matching replacement deletes for a mismatch; it is not one.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size)
{
    if (g_counting)
        ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

struct AllocationCount {
    AllocationCount()
    {
        g_allocations = 0;
        g_counting = true;
    }
    ~AllocationCount() { g_counting = false; }
    size_t Count() const { return g_allocations; }
};

TEST(SearchAllocation, OnlyTheSurvivingSentencesAreAllocated)
{
    // Hard puzzles: each needs many guesses that fail before the one that succeeds.
    const std::vector<std::string> puzzles = ReadPuzzleFile("forum_hardest_1106.txt");
    ASSERT_GE(puzzles.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        CSuDokuBoard board = BoardFromText(puzzles[i]);
        ASSERT_TRUE(board.IsConsistent());
        StepList steps;
        size_t allocations = 0;
        {
            const AllocationCount count;
            ASSERT_TRUE(board.Search(steps)) << puzzles[i];
            allocations = count.Count();
        }
        // One block for the list, one per sentence (each is longer than a short-string buffer).
        EXPECT_LE(allocations, steps.size() + 1) << puzzles[i];
        EXPECT_GT(board.m_nGuessLevel, 1) << "the puzzle needed no failing guess: " << puzzles[i];
    }
}

}  // namespace
