#pragma once

#include "report/expr/Variant.h"

#include <string>
#include <vector>

namespace report {

class TfrParser;

// The script language of object, band and page OnBeforePrint scripts:
// assignments (name := expression), procedure and function calls, begin … end
// blocks, if … then … else, while … do, repeat … until, for v := a to b do
// (counting up by 1 while v is at most b), goto to numeric labels ("10:"),
// exit, ";" between statements; key words ignore case.
//
// CompileScript turns script lines into compiled lines, one per elementary
// step, each starting with a code byte:
//   1 conditional jump: target line in the next two bytes (low byte first),
//     then the condition in postfix form; taken when the condition is 0;
//   2 jump: target line in the next two bytes;
//   3 call: the call's expression text; "EXIT(0)" ends the script;
//   4 assignment: the target name as a length-prefixed field
//     ("<length>:<name>"), then the expression in postfix form.
// Compile errors read "Line <line>/<column>: " and the message.
//
// RunScript runs compiled lines. A script ends when it runs off its end, at
// EXIT(0), when Terminated() says so (checked before every step), or with an
// error after MaxSteps steps, so no script loop can hang a build.
class TInterpretator {
public:
    explicit TInterpretator(TfrParser& parser) : m_parser(parser) {}
    virtual ~TInterpretator() = default;

    std::vector<std::string> CompileScript(const std::vector<std::string>& script) const;
    void RunScript(const std::vector<std::string>& compiled);

    long MaxSteps { 10'000'000 };

protected:
    // Stores the value of an assignment.
    virtual void SetValue(const std::string& name, const Variant& value) = 0;
    virtual bool Terminated() const { return false; }

    TfrParser& m_parser;
};

} // namespace report
