#include "document/UndoHistory.h"

#include "document/GraphModel.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plovex {
namespace {

// A state told apart by its first function's expression and its x scale.
GraphState State(const std::string& expression, float xScale = 10.0f)
{
    GraphState state;
    state.functions.push_back({ expression });
    state.xScale = xScale;
    return state;
}

std::string Expression(const GraphState& state)
{
    return state.functions.front().expression;
}

// A walk through one list: each action, then what the list stands at and offers.
TEST(UndoHistoryTest, StepsUndoRedoAndMerge)
{
    enum Action { Record, RecordSlider, CloseMerge, Undo, Redo, MoveScales };
    struct Case {
        Action action;
        std::string expression; // recorded, or expected from an undo or redo
        float xScale; // recorded, moved to, or expected
        std::size_t steps;
        bool canUndo;
        bool canRedo;
    };
    const Case cases[] = {
        { Record, "a", 10.0f, 0, false, false }, // the state the list stands at: no step
        { Record, "b", 10.0f, 1, true, false }, { RecordSlider, "c", 10.0f, 2, true, false },
        { RecordSlider, "d", 10.0f, 2, true, false }, // one drag: merged
        { CloseMerge, "", 0.0f, 2, true, false },
        { RecordSlider, "e", 10.0f, 3, true, false }, // the next drag is a step of its own
        { Undo, "d", 10.0f, 3, true, true },
        { RecordSlider, "f", 10.0f, 3, true, false }, // after an undo: never merged, redo gone
        { Undo, "d", 10.0f, 3, true, true },
        { Undo, "b", 10.0f, 3, true, true }, // the drag's states c and d are one step
        { Redo, "d", 10.0f, 3, true, true }, { Record, "g", 20.0f, 3, true, false },
        { MoveScales, "", 40.0f, 3, true, false }, // a zoom: no step
        { Undo, "d", 10.0f, 3, true, true }, // the step changed the scale: it comes back
        { MoveScales, "", 30.0f, 3, true, true },
        { Undo, "b", 30.0f, 3, true, true }, // this one did not: the zoom stays
        { Redo, "d", 30.0f, 3, true, true }, { Redo, "g", 20.0f, 3, true, false },
        { Redo, "", 0.0f, 3, true, false }, // nothing to redo: nothing happens
    };
    UndoHistory history(State("a"));
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << test.action << " " << test.expression);
        switch (test.action) {
        case Record:
            history.Record(UndoStep::Plot, State(test.expression, test.xScale));
            break;
        case RecordSlider:
            history.Record(UndoStep::ChangeValue, State(test.expression, test.xScale), 1);
            break;
        case CloseMerge:
            history.CloseMerge();
            break;
        case MoveScales:
            history.MoveScales(test.xScale, 10.0f);
            break;
        case Undo:
        case Redo: {
            const auto restored = test.action == Undo ? history.Undo() : history.Redo();
            ASSERT_EQ(restored.has_value(), !test.expression.empty());
            if (restored) {
                EXPECT_EQ(Expression(restored->state), test.expression);
                EXPECT_EQ(restored->state.xScale, test.xScale);
            }
            break;
        }
        }
        EXPECT_EQ(history.Steps(), test.steps);
        EXPECT_EQ(history.CanUndo(), test.canUndo);
        EXPECT_EQ(history.CanRedo(), test.canRedo);
        if (!test.expression.empty()) {
            EXPECT_EQ(Expression(history.Current()), test.expression);
        }
    }
}

// The oldest steps go once the list holds too many or too much; the newest always stays.
TEST(UndoHistoryTest, BoundedInStepsAndBytes)
{
    const struct {
        std::size_t maxSteps;
        std::size_t maxBytes;
        std::size_t length; // of each recorded expression
        std::size_t steps;
        std::string oldest; // what undoing all the way gives
    } cases[] = {
        { 3, 1 << 20, 1, 3, "2" }, { 100, 1 << 20, 1, 5, "0" },
        { 100, 1 << 20, 200000, 2, "3" }, // about 400 kB a step
        { 100, 1000, 200000, 1, "4" }, // one step beyond the bound stays
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.maxSteps);
        UndoHistory history(State("0"), test.maxSteps, test.maxBytes);
        for (char c = '1'; c <= '5'; ++c)
            history.Record(UndoStep::Plot, State(std::string(test.length, c)));
        EXPECT_EQ(history.Steps(), test.steps);
        EXPECT_LE(history.Bytes(), std::max<std::size_t>(test.maxBytes, 2 * 200000 + 1000));
        while (history.CanUndo())
            (void)history.Undo();
        EXPECT_EQ(Expression(history.Current()).substr(0, 1), test.oldest);
    }
}

// A restored function keeps its last parse where its texts are those at its place; the others
// are parsed, and the view's offset stays.
TEST(UndoHistoryTest, ModelRestoresFunctionsParametersAndScales)
{
    GraphModel model;
    model.Function(0).expression = "x+1";
    (void)model.Parse(0);
    model.Function(0).expression = "typed";
    const GraphState typed = model.State();
    GraphView view = model.View();
    view.xOffset = 5.0;
    view.xScale = 20.0f;
    model.SetView(view);
    model.InsertParameter(0, { "a", 2.0f });
    model.Add(0);
    model.Function(1).expression = "a*x";
    (void)model.Parse(1);
    const GraphState later = model.State();

    model.Restore(typed, true);
    EXPECT_EQ(model.State(), typed);
    EXPECT_EQ(model.Function(0).ParsedExpression(), "x+1"); // typed, never plotted
    EXPECT_EQ(model.Function(0).PostfixText(), "x(1.000000)+");
    EXPECT_EQ(model.View().xOffset, 5.0);
    EXPECT_EQ(model.View().xScale, 10.0f);

    model.Restore(later, false);
    EXPECT_EQ(model.Count(), 2u);
    EXPECT_EQ(model.Function(1).ParsedExpression(), "a*x");
    EXPECT_EQ(model.Function(1).PostfixText(), "{a}x*"); // parsed with the parameter's name
    EXPECT_EQ(model.View().xScale, 10.0f);
}

} // namespace
} // namespace plovex
