#include "report/expr/ExprError.h"
#include "report/expr/ExprOperators.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/TfrInterpretator.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

class StoppableReport : public TfrReportScope {
public:
    void StopReport() override { stopped = true; }
    bool StopRequested() const override { return stopped; }
    std::string InputBox(const std::string&, const std::string& text) override { return text; }
    int MessageBox(const std::string&, const std::string&, int) override { return 1; }
    bool stopped { false };
};

class ScriptInterpreterTest : public ::testing::Test {
protected:
    void Run(const std::vector<std::string>& script) { interpreter.RunScript(interpreter.CompileScript(script)); }
    Variant Global(const std::string& name) { return engine.Globals().Get(name); }

    std::string CompileError(const std::vector<std::string>& script)
    {
        try {
            interpreter.CompileScript(script);
        } catch (const ExprError& error) {
            return error.what();
        }
        return "no error";
    }

    TfrExpressionEngine engine;
    TfrInterpretator interpreter { engine };
};

TEST_F(ScriptInterpreterTest, AssignmentsAndBlocks)
{
    Run({ "a := 1 + 2 * 3;", "begin", "  b := a * 2; c := 'x' + 'y'", "end" });
    EXPECT_EQ(Global("a"), Variant(7));
    EXPECT_EQ(Global("b"), Variant(14));
    EXPECT_EQ(Global("c"), Variant("xy"));
}

TEST_F(ScriptInterpreterTest, IfThenElse)
{
    Run({ "x := 5;", "IF x > 3 THEN y := 'big' ELSE y := 'small';", "if x > 9 then z := 1 else z := 2" });
    EXPECT_EQ(Global("y"), Variant("big"));
    EXPECT_EQ(Global("z"), Variant(2));
    Run({ "if 0 then w := 1" });
    EXPECT_FALSE(engine.Globals().Contains("w"));
}

TEST_F(ScriptInterpreterTest, Loops)
{
    Run({ "s := 0; i := 1;", "while i <= 4 do begin s := s + i; INC(i) end" });
    EXPECT_EQ(Global("s"), Variant(10));
    Run({ "n := 0;", "repeat n := n + 2; n := n + 1 until n >= 9" });
    EXPECT_EQ(Global("n"), Variant(9));
    Run({ "t := '';", "for k := 1 to 3 do t := t + STR(k)" });
    EXPECT_EQ(Global("t"), Variant("123"));
    EXPECT_EQ(Global("k"), Variant(4));
    Run({ "u := 0;", "for k := 5 to 1 do u := 1" });
    EXPECT_EQ(Global("u"), Variant(0));
}

TEST_F(ScriptInterpreterTest, GotoLabelsAndExit)
{
    Run({ "g := 0;", "10: g := g + 1;", "if g < 5 then goto 10;", "h := g" });
    EXPECT_EQ(Global("h"), Variant(5));
    Run({ "e := 1;", "exit;", "e := 2" });
    EXPECT_EQ(Global("e"), Variant(1));
}

TEST_F(ScriptInterpreterTest, ProcedureCallsWithoutParentheses)
{
    StoppableReport report;
    engine.SetScope(&report);
    Run({ "a := 1;", "StopReport;", "a := 2" });
    EXPECT_TRUE(report.stopped);
    EXPECT_EQ(Global("a"), Variant(1)) << "a script ends at the next step once the report is stopped";
    engine.SetScope(nullptr);
}

TEST_F(ScriptInterpreterTest, CompiledLinesFollowTheLayout)
{
    auto compiled = interpreter.CompileScript({ "if x then y := 1 else INC(y)" });
    ASSERT_EQ(compiled.size(), 4u);
    EXPECT_EQ(compiled[0][0], 1);
    EXPECT_EQ(compiled[0][1], 3) << "jump to the else branch, low byte first";
    EXPECT_EQ(compiled[0][2], 0);
    EXPECT_EQ(compiled[0].substr(3), "V1:x");
    EXPECT_EQ(compiled[1], std::string("\x04") + "1:yI1:1");
    EXPECT_EQ(compiled[2], std::string("\x02\x04\x00", 3));
    EXPECT_EQ(compiled[3], "\x03INC(y)");
    EXPECT_EQ(interpreter.CompileScript({ "exit" })[0], "\x03" "EXIT(0)");
}

TEST_F(ScriptInterpreterTest, CompileErrorsNameThePlace)
{
    EXPECT_EQ(CompileError({ "begin a := 1 b := 2 end" }), "Line 1/14: Need \";\" or \"end\" here");
    EXPECT_EQ(CompileError({ "if a > 1", "  b := 2" }), "Line 2/3: Need \"then\" here");
    EXPECT_EQ(CompileError({ "repeat a := 1 end" }), "Line 1/15: Need \";\" or \"until\" here");
    EXPECT_EQ(CompileError({ "while a < 1 a := 2" }), "Line 1/13: Need \"do\" here");
    EXPECT_EQ(CompileError({ "for i := 1 do x := 1" }), "Line 1/12: Need \"to\" here");
    EXPECT_EQ(CompileError({ "goto here" }), "Line 1/6: \"goto\" label must be a number");
    EXPECT_EQ(CompileError({ "for i = 1 to 2 do x := 1" }), "Line 1/7: Need \":=\" here");
    EXPECT_EQ(CompileError({ "a := (1 + 2" }), "Line 1/12: Need \")\" here");
    EXPECT_EQ(CompileError({ "a := [x" }), "Line 1/6: Need \"]\" here");
    EXPECT_EQ(CompileError({ "Proc(1 2)" }), "Line 1/1: Need \",\" or \")\" here");
    EXPECT_EQ(CompileError({ "Proc(1) 2" }), "Line 1/9: Need \";\" or \"end\" here");
    EXPECT_EQ(CompileError({ "goto 20" }), "Line 1/6: Label 20 is not defined");
    EXPECT_EQ(CompileError({ "标题 := 1 2" }).substr(0, 9), "Line 1/9:") << "columns count characters";
}

TEST_F(ScriptInterpreterTest, EndlessLoopsAreBounded)
{
    interpreter.MaxSteps = 5000;
    EXPECT_THROW(Run({ "while 1 do x := 1" }), ExprError);
    EXPECT_THROW(Run({ "1: goto 1" }), ExprError);
    EXPECT_THROW(Run({ "repeat until 0" }), ExprError);
}

TEST_F(ScriptInterpreterTest, RunawayTextGrowthIsStopped)
{
    engine.Globals().Set("s", Variant(std::string(kMaxTextLength / 2 + 1, 'x')));
    EXPECT_THROW(Run({ "while 1 do s := s + s" }), ExprError);
}

TEST_F(ScriptInterpreterTest, StopFlagEndsALoop)
{
    StoppableReport report;
    engine.SetScope(&report);
    Run({ "i := 0;", "while 1 do begin i := i + 1; if i = 50 then StopReport end" });
    EXPECT_EQ(Global("i"), Variant(50));
    engine.SetScope(nullptr);
}

TEST_F(ScriptInterpreterTest, DeepNestingIsRefused)
{
    std::string deep;
    for (int i = 0; i < 10000; ++i)
        deep += "begin ";
    EXPECT_THROW(interpreter.CompileScript({ deep }), ExprError);
}

TEST_F(ScriptInterpreterTest, DamagedCompiledLinesRaiseErrors)
{
    EXPECT_THROW(interpreter.RunScript({ std::string("\x01", 1) }), ExprError);
    EXPECT_THROW(interpreter.RunScript({ "\x04" "99:x" }), ExprError);
    EXPECT_THROW(interpreter.RunScript({ "\x07" }), ExprError);
    EXPECT_NO_THROW(interpreter.RunScript({ std::string("\x02\x09\x00", 3) })) << "a jump past the end ends the script";
}

} // namespace
