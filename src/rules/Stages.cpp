#include "rules/Stages.h"

#include "rules/GameState.h"

ProblemStep ProblemStepFor(std::int16_t stage)
{
    if (stage < Stage::kProblem2)
        return ProblemStep::PanelsCard;
    if (stage < Stage::kProblem3)
        return ProblemStep::QuizCard;
    if (stage < Stage::kLastStage)
        return ProblemStep::Stopwatch;
    if (stage <= Stage::kWrongTry)
        return ProblemStep::NotYet;
    if (stage == Stage::kSolved)
        return ProblemStep::Ending;
    return ProblemStep::Nothing;
}

SwitchPress PressSwitch(std::int16_t stage, const QString& course, MouseButton button, Modifiers keys)
{
    if (stage < Stage::kLastStage)
        return {stage, std::nullopt};
    if (course == "NORMAL") {
        if (button == MouseButton::Left && keys == (ShiftKey | AltKey))
            return {Stage::kSolved, true};
        return {stage == Stage::kRiddleShown ? Stage::kWrongTry : stage, false};
    }
    if (course == "ANOTHER") {
        if (stage == Stage::kWindowClicked)
            return {Stage::kSolved, true};
        return {Stage::kWrongTry, false};
    }
    return {stage, std::nullopt};
}

std::int16_t PressWindow(std::int16_t stage, const QString& course, MouseButton button, Modifiers keys)
{
    if (stage < Stage::kLastStage || course != "ANOTHER")
        return stage;
    if (button == MouseButton::Left && keys == (ShiftKey | CtrlKey | AltKey))
        return Stage::kWindowClicked;
    return stage == Stage::kRiddleShown ? Stage::kWrongTry : stage;
}
