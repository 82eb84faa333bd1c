#include "report/expr/TInterpretator.h"

#include "report/expr/ExprError.h"
#include "report/expr/ExprOperators.h"
#include "report/expr/ExprScanner.h"
#include "report/expr/TfrParser.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace report {
namespace {

constexpr char kConditionalJump = 1;
constexpr char kJump = 2;
constexpr char kCall = 3;
constexpr char kAssignment = 4;
constexpr std::string_view kExit = "EXIT(0)";
// Jump targets are two bytes wide.
constexpr size_t kMaxLines = 65535;
// Statements nested deeper than this (begin begin begin …) are refused
// before they can exhaust the stack.
constexpr int kMaxNesting = 100;

const std::string kNeedSemicolonOrEnd = "Need \";\" or \"end\" here";
const std::string kNeedThen = "Need \"then\" here";
const std::string kNeedSemicolonOrUntil = "Need \";\" or \"until\" here";
const std::string kNeedDo = "Need \"do\" here";
const std::string kNeedTo = "Need \"to\" here";
const std::string kLabelNotNumber = "\"goto\" label must be a number";
const std::string kNeedAssign = "Need \":=\" here";
const std::string kNeedParenthesis = "Need \")\" here";
const std::string kNeedBracket = "Need \"]\" here";
const std::string kNeedCommaOrParenthesis = "Need \",\" or \")\" here";

constexpr std::string_view kKeywords[] = { "begin", "end", "if", "then", "else", "while", "do", "repeat", "until",
    "for", "to", "goto", "exit" };

bool IsNameChar(char c)
{
    auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || c == '.' || c == '#' || c == '"' || u >= 0x80;
}

std::string Target(size_t line)
{
    return { static_cast<char>(line & 0xFF), static_cast<char>((line >> 8) & 0xFF) };
}

size_t ReadTarget(const std::string& line)
{
    if (line.size() < 3)
        throw ExprError("Invalid compiled script line");
    return static_cast<size_t>(static_cast<unsigned char>(line[1]))
        | static_cast<size_t>(static_cast<unsigned char>(line[2])) << 8;
}

class ScriptCompiler {
public:
    ScriptCompiler(const std::vector<std::string>& script, const TfrParser& parser) : m_parser(parser)
    {
        for (const std::string& line : script) {
            m_lineStarts.push_back(m_text.size());
            m_text += line;
            m_text += '\n';
        }
    }

    std::vector<std::string> Compile()
    {
        while (true) {
            Statement();
            SkipBlanks();
            if (AtEnd())
                break;
            if (m_text[m_at] == ';') {
                ++m_at;
                continue;
            }
            Fail(m_at, kNeedSemicolonOrEnd);
        }
        for (const auto& jump : m_gotos) {
            auto label = m_labels.find(jump.label);
            if (label == m_labels.end())
                Fail(jump.at, "Label " + jump.label + " is not defined");
            Patch(jump.line, label->second);
        }
        return std::move(m_out);
    }

private:
    struct Goto {
        size_t line;
        std::string label;
        size_t at;
    };

    [[noreturn]] void Fail(size_t at, const std::string& message) const
    {
        auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), at);
        size_t line = static_cast<size_t>(it - m_lineStarts.begin());
        size_t start = line == 0 ? 0 : m_lineStarts[line - 1];
        size_t column = 1;
        for (size_t i = start; i < at && i < m_text.size(); i += text::Utf8CharLength(m_text, i))
            ++column;
        throw ExprError("Line " + std::to_string(std::max<size_t>(line, 1)) + "/" + std::to_string(column) + ": "
            + message);
    }

    bool AtEnd() const { return m_at >= m_text.size(); }

    void SkipBlanks()
    {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at])))
            ++m_at;
    }

    // Length of the key word at `at`, or 0 when none starts there.
    size_t KeywordAt(size_t at) const
    {
        if (at >= m_text.size() || !std::isalpha(static_cast<unsigned char>(m_text[at])))
            return 0;
        if (at > 0 && IsNameChar(m_text[at - 1]))
            return 0;
        size_t end = at;
        while (end < m_text.size() && IsNameChar(m_text[end]))
            ++end;
        std::string word(m_text.substr(at, end - at));
        std::transform(word.begin(), word.end(), word.begin(), [](char c) { return std::tolower(static_cast<unsigned char>(c)); });
        for (std::string_view keyword : kKeywords)
            if (keyword == word)
                return end - at;
        return 0;
    }

    bool AtWord(std::string_view word) const
    {
        size_t length = KeywordAt(m_at);
        if (length != word.size())
            return false;
        for (size_t i = 0; i < length; ++i)
            if (std::tolower(static_cast<unsigned char>(m_text[m_at + i])) != word[i])
                return false;
        return true;
    }

    bool ReadWord(std::string_view word)
    {
        SkipBlanks();
        if (!AtWord(word))
            return false;
        m_at += word.size();
        return true;
    }

    bool ReadSymbol(std::string_view symbol)
    {
        SkipBlanks();
        if (m_text.compare(m_at, symbol.size(), symbol) != 0)
            return false;
        m_at += symbol.size();
        return true;
    }

    // The text of an expression: it ends before ";", a key word, an
    // unmatched ")", or an operand that follows an operand (the start of the
    // next statement). Assignment targets (`target`) also end at ":=" and at
    // any operator. Quoted and bracketed parts are taken whole.
    std::string ReadExpression(bool target, size_t& start)
    {
        SkipBlanks();
        start = m_at;
        size_t end = m_at;
        int depth = 0;
        bool afterOperand = false;
        while (m_at < m_text.size()) {
            char c = m_text[m_at];
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++m_at;
                continue;
            }
            if (depth == 0 && (c == ';' || KeywordAt(m_at)))
                break;
            if (depth == 0 && target && (c == ':' || IsOperatorChar(c)))
                break;
            if (c == '(') {
                ++depth;
                ++m_at;
            } else if (c == ')') {
                if (depth == 0)
                    break;
                --depth;
                ++m_at;
                afterOperand = true;
            } else if (depth > 0) {
                SkipInner();
            } else if (IsOperatorChar(c) || c == ',') {
                ++m_at;
                afterOperand = false;
            } else {
                bool glued = m_at > start && !std::isspace(static_cast<unsigned char>(m_text[m_at - 1]));
                size_t tokenStart = m_at;
                bool isOperator = Operand();
                if (isOperator) {
                    afterOperand = false;
                } else if (afterOperand && !(glued && c == '[')) {
                    m_at = tokenStart;
                    break;
                } else {
                    afterOperand = true;
                }
            }
            end = m_at;
        }
        if (depth > 0)
            Fail(end, kNeedParenthesis);
        m_at = end;
        return std::string(Trimmed(std::string_view(m_text).substr(start, end - start)));
    }

    static bool IsOperatorChar(char c) { return std::string_view("+-*/=<>").find(c) != std::string_view::npos; }

    // Steps over one character, quoted part or bracketed part.
    void SkipInner()
    {
        char c = m_text[m_at];
        if (c == '\'' || c == '"') {
            size_t end = SkipQuoted(m_text, m_at);
            if (end == std::string::npos)
                Fail(m_at, "Unterminated string");
            m_at = end;
        } else if (c == '[') {
            size_t close = FindClosing(m_text, m_at);
            if (close == std::string::npos)
                Fail(m_at, kNeedBracket);
            m_at = close + 1;
        } else {
            m_at += text::Utf8CharLength(m_text, m_at);
        }
    }

    // Steps over an operand (name, number, string, bracketed part); true when
    // it was a word operator (MOD, AND, OR, NOT, INT, FRAC, ROUND, STR).
    bool Operand()
    {
        char c = m_text[m_at];
        if (c == '\'' || c == '"' || c == '[') {
            SkipInner();
            return false;
        }
        size_t start = m_at;
        while (m_at < m_text.size() && !std::isspace(static_cast<unsigned char>(m_text[m_at]))
            && std::string_view("+-*/=<>()[],';:").find(m_text[m_at]) == std::string_view::npos) {
            if (m_text[m_at] == '"')
                SkipInner();
            else
                m_at += text::Utf8CharLength(m_text, m_at);
        }
        if (m_at == start) {
            // A lone ":" or "]": take it so that the expression reports it.
            ++m_at;
            return false;
        }
        std::string word = m_text.substr(start, m_at - start);
        std::transform(word.begin(), word.end(), word.begin(), [](char ch) { return std::toupper(static_cast<unsigned char>(ch)); });
        for (std::string_view op : { "MOD", "AND", "OR", "NOT", "INT", "FRAC", "ROUND", "STR" })
            if (word == op)
                return true;
        return false;
    }

    std::string Postfix(const std::string& expression, size_t at) const
    {
        try {
            return m_parser.ToPostfix(expression);
        } catch (const ExprError& error) {
            Fail(at, error.what());
        }
    }

    size_t Emit(std::string line)
    {
        if (m_out.size() >= kMaxLines)
            Fail(m_at, "Script is too long");
        m_out.push_back(std::move(line));
        return m_out.size() - 1;
    }

    size_t EmitConditionalJump(const std::string& condition, size_t at, size_t target = 0)
    {
        return Emit(std::string(1, kConditionalJump) + Target(target) + Postfix(condition, at));
    }

    size_t EmitJump(size_t target = 0) { return Emit(std::string(1, kJump) + Target(target)); }

    void EmitAssignment(const std::string& name, const std::string& expression, size_t at)
    {
        std::string postfix = Postfix(expression, at);
        Emit(std::string(1, kAssignment) + std::to_string(name.size()) + ":" + name + postfix);
    }

    void EmitCall(std::string call, size_t at)
    {
        size_t open = call.find('(');
        if (open == std::string::npos) {
            call += "()";
        } else {
            size_t close = FindClosing(call, open);
            if (close == std::string::npos || !Trimmed(std::string_view(call).substr(close + 1)).empty())
                Fail(at, kNeedCommaOrParenthesis);
            // The call's own arguments are checked here; they are otherwise
            // only read when the call runs.
            for (const std::string& argument : SplitArguments(std::string_view(call).substr(open + 1, close - open - 1))) {
                try {
                    m_parser.ToPostfix(argument);
                } catch (const ExprError&) {
                    Fail(at, kNeedCommaOrParenthesis);
                }
            }
        }
        Postfix(call, at);
        Emit(std::string(1, kCall) + call);
    }

    void Patch(size_t line, size_t target)
    {
        std::string bytes = Target(target);
        m_out[line][1] = bytes[0];
        m_out[line][2] = bytes[1];
    }

    void Statement()
    {
        if (++m_depth > kMaxNesting)
            Fail(m_at, "Statements are nested too deeply");
        StatementBody();
        --m_depth;
    }

    void StatementBody()
    {
        SkipBlanks();
        if (AtEnd() || m_text[m_at] == ';' || AtWord("end") || AtWord("until") || AtWord("else"))
            return;
        if (std::isdigit(static_cast<unsigned char>(m_text[m_at])) && Label())
            return;
        size_t at = m_at;
        if (ReadWord("begin")) {
            while (true) {
                Statement();
                if (ReadSymbol(";"))
                    continue;
                if (ReadWord("end"))
                    break;
                Fail(m_at, kNeedSemicolonOrEnd);
            }
        } else if (ReadWord("if")) {
            size_t start = 0;
            std::string condition = ReadExpression(false, start);
            if (!ReadWord("then"))
                Fail(m_at, kNeedThen);
            size_t skip = EmitConditionalJump(condition, start);
            Statement();
            if (ReadWord("else")) {
                size_t over = EmitJump();
                Patch(skip, m_out.size());
                Statement();
                Patch(over, m_out.size());
            } else {
                Patch(skip, m_out.size());
            }
        } else if (ReadWord("while")) {
            size_t top = m_out.size();
            size_t start = 0;
            std::string condition = ReadExpression(false, start);
            if (!ReadWord("do"))
                Fail(m_at, kNeedDo);
            size_t leave = EmitConditionalJump(condition, start);
            Statement();
            EmitJump(top);
            Patch(leave, m_out.size());
        } else if (ReadWord("repeat")) {
            size_t top = m_out.size();
            while (true) {
                Statement();
                if (ReadSymbol(";"))
                    continue;
                if (ReadWord("until"))
                    break;
                Fail(m_at, kNeedSemicolonOrUntil);
            }
            size_t start = 0;
            std::string condition = ReadExpression(false, start);
            EmitConditionalJump(condition, start, top);
        } else if (ReadWord("for")) {
            For();
        } else if (ReadWord("goto")) {
            SkipBlanks();
            size_t start = m_at;
            while (m_at < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_at])))
                ++m_at;
            if (m_at == start || (m_at < m_text.size() && IsNameChar(m_text[m_at])))
                Fail(start, kLabelNotNumber);
            m_gotos.push_back({ EmitJump(), m_text.substr(start, m_at - start), start });
        } else if (ReadWord("exit")) {
            Emit(std::string(1, kCall) + std::string(kExit));
        } else {
            size_t start = 0;
            std::string target = ReadExpression(true, start);
            if (target.empty())
                Fail(at, kNeedSemicolonOrEnd);
            if (ReadSymbol(":=")) {
                std::string expression = ReadExpression(false, start);
                EmitAssignment(target, expression, start);
            } else {
                EmitCall(target, at);
            }
        }
    }

    // "10: statement"; false when the digits are not a label.
    bool Label()
    {
        size_t end = m_at;
        while (end < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[end])))
            ++end;
        size_t colon = end;
        while (colon < m_text.size() && (m_text[colon] == ' ' || m_text[colon] == '\t'))
            ++colon;
        if (colon >= m_text.size() || m_text[colon] != ':' || (colon + 1 < m_text.size() && m_text[colon + 1] == '='))
            return false;
        m_labels[m_text.substr(m_at, end - m_at)] = m_out.size();
        m_at = colon + 1;
        Statement();
        return true;
    }

    void For()
    {
        size_t start = 0;
        std::string variable = ReadExpression(true, start);
        if (!ReadSymbol(":="))
            Fail(m_at, kNeedAssign);
        size_t fromAt = 0;
        std::string from = ReadExpression(false, fromAt);
        if (!ReadWord("to"))
            Fail(m_at, kNeedTo);
        size_t toAt = 0;
        std::string to = ReadExpression(false, toAt);
        if (!ReadWord("do"))
            Fail(m_at, kNeedDo);
        EmitAssignment(variable, from, fromAt);
        size_t top = m_out.size();
        size_t leave = EmitConditionalJump("(" + variable + ") <= (" + to + ")", toAt);
        Statement();
        EmitAssignment(variable, "(" + variable + ") + 1", start);
        EmitJump(top);
        Patch(leave, m_out.size());
    }

    const TfrParser& m_parser;
    std::string m_text;
    std::vector<size_t> m_lineStarts;
    size_t m_at { 0 };
    int m_depth { 0 };
    std::vector<std::string> m_out;
    std::map<std::string, size_t> m_labels;
    std::vector<Goto> m_gotos;
};

} // namespace

std::vector<std::string> TInterpretator::CompileScript(const std::vector<std::string>& script) const
{
    return ScriptCompiler(script, m_parser).Compile();
}

void TInterpretator::RunScript(const std::vector<std::string>& compiled)
{
    size_t line = 0;
    long steps = 0;
    while (line < compiled.size()) {
        if (Terminated())
            return;
        if (++steps > MaxSteps)
            throw ExprError("Script stopped after " + std::to_string(MaxSteps) + " steps");
        const std::string& step = compiled[line];
        if (step.empty())
            throw ExprError("Invalid compiled script line");
        switch (step[0]) {
        case kConditionalJump: {
            size_t target = ReadTarget(step);
            line = IsTrue(m_parser.EvaluatePostfix(std::string_view(step).substr(3))) ? line + 1 : target;
            break;
        }
        case kJump:
            line = ReadTarget(step);
            break;
        case kCall: {
            std::string_view call = std::string_view(step).substr(1);
            if (call == kExit)
                return;
            m_parser.Evaluate(call);
            ++line;
            break;
        }
        case kAssignment: {
            size_t colon = step.find(':', 1);
            if (colon == std::string::npos || colon == 1 || colon > 10)
                throw ExprError("Invalid compiled script line");
            size_t length = 0;
            for (size_t i = 1; i < colon; ++i) {
                if (!std::isdigit(static_cast<unsigned char>(step[i])))
                    throw ExprError("Invalid compiled script line");
                length = length * 10 + static_cast<size_t>(step[i] - '0');
            }
            if (length > step.size() - colon - 1)
                throw ExprError("Invalid compiled script line");
            std::string name = step.substr(colon + 1, length);
            Variant value = m_parser.EvaluatePostfix(std::string_view(step).substr(colon + 1 + length));
            SetValue(name, value);
            ++line;
            break;
        }
        default:
            throw ExprError("Invalid compiled script line");
        }
    }
}

} // namespace report
