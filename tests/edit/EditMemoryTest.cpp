// A step, an undo or a redo that runs out of memory at any one of its allocations - while it writes,
// while it works out what it changed, or while the history takes it - leaves the document and the
// history as they were, and putting them back needs no memory. This program replaces the global operator new to make
// allocations fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>

#include "DocumentSnapshot.h"
#include "edit/DocumentEditor.h"

namespace {

// How many allocations succeed before every further one fails; negative: none fails.
long allocationsLeft = -1;

}  // namespace

void* operator new(std::size_t size) {
    if (allocationsLeft == 0) throw std::bad_alloc();
    if (allocationsLeft > 0) --allocationsLeft;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace mirota {
namespace {

constexpr ListKind kChain = ListKind::Chain;

class MemoryRunsOut {
public:
    explicit MemoryRunsOut(long after) { allocationsLeft = after; }
    ~MemoryRunsOut() { allocationsLeft = -1; }
    MemoryRunsOut(const MemoryRunsOut&) = delete;
    MemoryRunsOut& operator=(const MemoryRunsOut&) = delete;
};

// Three chain figures joined C-A with their sides, in two tiers.
SurveyData document() {
    SurveyData data;
    data.changeTierCount(2);
    data.setFigureCount(kChain, 0, 3);
    DocumentEditor completing(data);
    completing.completeFigures(kChain, 0);
    const char* sides[] = {"3.00", "4.00", "5.00", "5.00", "4.00", "6.00", "6.00", "4.00", "3.00"};
    for (int figure = 0; figure < 3; ++figure) {
        for (int side = 0; side < 3; ++side) {
            data.setCell(kChain, 0, tableRow(figure, InputSet::Design), column::SideA + side, sides[3 * figure + side]);
        }
    }
    return data;
}

struct Operation {
    const char* name;
    std::function<void(DocumentEditor&)> apply;
};

TEST(EditMemory, AStepThatRunsOutOfMemoryLeavesTheDocumentAndTheHistoryAsTheyWere) {
    const Operation operations[] = {
        {"cell carried into the next figure", [](DocumentEditor& e) { e.enterCell({kChain, 0, 0, column::SideC}, "8.00"); }},
        {"insert", [](DocumentEditor& e) { e.insertFigure(kChain, 0, 1); }},
        {"delete", [](DocumentEditor& e) { e.deleteFigure(kChain, 0, 0); }},
        {"join side", [](DocumentEditor& e) { e.setJoinSide(0, 2, JoinSide::JoinBB); }},
        {"tier count", [](DocumentEditor& e) { e.setTierCount(5); }},
        {"block paste growing the chain",
         [](DocumentEditor& e) {
             e.pasteBlock({kChain, 0, InputSet::Measured, 1, column::SideB, splitTabSeparated("1\t2\n3\t4\n5\t6"), "0.00",
                           "No."});
         }},
        {"settings",
         [](DocumentEditor& e) {
             DocumentSettings settings = DocumentSettings::of(e.document());
             settings.conditions.dimensionLayerName = "寸法値の層";
             settings.acadVersion = "98";
             e.changeSettings(settings);
         }},
        {"undo", [](DocumentEditor& e) { e.undo(); }},
        {"redo", [](DocumentEditor& e) { e.redo(); }},
    };
    for (const Operation& operation : operations) {
        int failed = 0;
        for (long allowed = 0;; ++allowed) {
            SurveyData data = document();
            DocumentEditor editor(data);
            // One step to undo and one to redo, both kept by a step that fails.
            editor.enterCell({ListKind::Exception, 1, 0, column::SideB}, "1.00");
            editor.enterCell({ListKind::Exception, 1, 0, column::SideB}, "2.00");
            editor.undo();
            const std::string before = test::snapshot(data);
            const EditStep* const nextUndo = editor.history().nextUndo();
            const EditStep* const nextRedo = editor.history().nextRedo();
            bool ranOut = false;
            try {
                const MemoryRunsOut memory(allowed);
                operation.apply(editor);
            } catch (const std::bad_alloc&) {
                ranOut = true;
            }
            if (!ranOut) break;
            ++failed;
            ASSERT_EQ(test::snapshot(data), before) << operation.name << " after " << allowed << " allocations";
            ASSERT_EQ(editor.history().size(), 2u) << operation.name << " after " << allowed;
            ASSERT_EQ(editor.history().nextUndo(), nextUndo) << operation.name << " after " << allowed;
            ASSERT_EQ(editor.history().nextRedo(), nextRedo) << operation.name << " after " << allowed;
        }
        EXPECT_GT(failed, 0) << operation.name;
    }
}

}  // namespace
}  // namespace mirota
