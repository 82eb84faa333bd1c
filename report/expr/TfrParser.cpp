#include "report/expr/TfrParser.h"

#include "platform/time/DateTimeParse.h"
#include "report/expr/ExprError.h"
#include "report/expr/ExprOperators.h"
#include "report/expr/ExprScanner.h"
#include "report/expr/TfrVariables.h"
#include "report/expr/ValueConvert.h"
#include "platform/text/Utf8.h"

#include <charconv>
#include <limits>
#include <vector>

namespace report {
namespace {

enum class Op { Add, Subtract, Multiply, Divide, Mod, And, Or, Not, Negate, Plus, Equal, NotEqual, Less, Greater,
    LessEqual, GreaterEqual, Int, Frac, Round, Str };

struct OpInfo {
    Op op;
    std::string_view code;
    int level;
    bool prefix;
};

constexpr OpInfo kOps[] = {
    { Op::Add, "+", 2, false }, { Op::Subtract, "-", 2, false }, { Op::Multiply, "*", 1, false },
    { Op::Divide, "/", 1, false }, { Op::Mod, "MOD", 1, false }, { Op::And, "AND", 1, false },
    { Op::Or, "OR", 1, false }, { Op::Not, "NOT", 1, true }, { Op::Negate, "NEG", 2, true },
    { Op::Plus, "POS", 2, true }, { Op::Equal, "=", 3, false }, { Op::NotEqual, "<>", 3, false },
    { Op::Less, "<", 3, false }, { Op::Greater, ">", 3, false }, { Op::LessEqual, "<=", 3, false },
    { Op::GreaterEqual, ">=", 3, false }, { Op::Int, "INT", 0, true }, { Op::Frac, "FRAC", 0, true },
    { Op::Round, "ROUND", 0, true }, { Op::Str, "STR", 0, true },
};

const OpInfo& Info(Op op)
{
    for (const OpInfo& info : kOps)
        if (info.op == op)
            return info;
    throw ExprError("Unknown operator");
}

const OpInfo* FindOp(std::string_view code)
{
    for (const OpInfo& info : kOps)
        if (info.code == code)
            return &info;
    return nullptr;
}

// ---- postfix item encoding -------------------------------------------------

void AppendField(std::string& out, std::string_view field)
{
    out += std::to_string(field.size());
    out += ':';
    out.append(field);
}

std::string Item(char tag, std::initializer_list<std::string_view> fields)
{
    std::string out(1, tag);
    for (std::string_view field : fields)
        AppendField(out, field);
    return out;
}

class ItemReader {
public:
    explicit ItemReader(std::string_view text) : m_text(text) {}
    bool AtEnd() const { return m_at >= m_text.size(); }
    char Tag() { return m_text[m_at++]; }

    std::string_view Field()
    {
        size_t colon = m_text.find(':', m_at);
        if (colon == std::string_view::npos || colon == m_at || colon - m_at > 9)
            throw ExprError("Invalid postfix expression");
        size_t length = 0;
        for (size_t i = m_at; i < colon; ++i) {
            if (m_text[i] < '0' || m_text[i] > '9')
                throw ExprError("Invalid postfix expression");
            length = length * 10 + static_cast<size_t>(m_text[i] - '0');
        }
        if (length > m_text.size() - colon - 1)
            throw ExprError("Invalid postfix expression");
        std::string_view field = m_text.substr(colon + 1, length);
        m_at = colon + 1 + length;
        return field;
    }

private:
    std::string_view m_text;
    size_t m_at { 0 };
};

// ---- tokenizer -------------------------------------------------------------

struct Token {
    enum class Kind { Operand, Operator, Open, Close } kind;
    std::string item;
    Op op { Op::Add };
};

bool IsBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

bool EndsName(char c)
{
    switch (c) {
    case ' ': case '\r': case '\n': case '\t': case '+': case '-': case '*': case '/': case '=': case '<':
    case '>': case '(': case ')': case '[': case ']': case ',': case '\'': case ';':
        return true;
    default:
        return false;
    }
}

std::string NumberItem(std::string_view text)
{
    std::string number(text);
    size_t separators = 0;
    for (char& c : number) {
        if (c == ',' || c == '.') {
            c = '.';
            ++separators;
        }
    }
    if (separators > 1 || number == ".")
        throw ExprError("'" + std::string(text) + "' is not a valid number");
    if (separators == 0) {
        long long value = 0;
        auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (ec == std::errc() && ptr == number.data() + number.size()
            && value <= std::numeric_limits<std::int32_t>::max())
            return Item('I', { number });
    }
    double value = ValueToNumber(Variant(number));
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Item('D', { std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)) });
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : m_text(text) {}

    std::vector<Token> Run()
    {
        std::vector<Token> tokens;
        while (m_at < m_text.size()) {
            char c = m_text[m_at];
            if (IsBlank(c)) {
                ++m_at;
            } else if ((c >= '0' && c <= '9') || c == ',' || c == '.') {
                size_t start = m_at;
                while (m_at < m_text.size()
                    && ((m_text[m_at] >= '0' && m_text[m_at] <= '9') || m_text[m_at] == ',' || m_text[m_at] == '.'))
                    ++m_at;
                tokens.push_back({ Token::Kind::Operand, NumberItem(m_text.substr(start, m_at - start)) });
            } else if (c == '\'') {
                tokens.push_back({ Token::Kind::Operand, Item('S', { ReadString() }) });
            } else if (c == '[') {
                size_t close = FindClosing(m_text, m_at);
                if (close == std::string_view::npos)
                    throw ExprError("Need \"]\" here");
                tokens.push_back({ Token::Kind::Operand,
                    Item('V', { Trimmed(m_text.substr(m_at + 1, close - m_at - 1)) }) });
                m_at = close + 1;
            } else if (c == '(') {
                tokens.push_back({ Token::Kind::Open, {} });
                ++m_at;
            } else if (c == ')') {
                tokens.push_back({ Token::Kind::Close, {} });
                ++m_at;
            } else if (std::string_view("+-*/=<>").find(c) != std::string_view::npos) {
                tokens.push_back(SymbolOperator());
            } else if (c == ']' || c == ',' || c == ';') {
                throw ExprError(std::string("Unexpected \"") + c + "\"");
            } else {
                tokens.push_back(NameToken());
            }
        }
        return tokens;
    }

private:
    std::string ReadString()
    {
        size_t end = SkipQuoted(m_text, m_at);
        if (end == std::string_view::npos)
            throw ExprError("Unterminated string");
        std::string value;
        for (size_t i = m_at + 1; i + 1 < end; ++i) {
            value += m_text[i];
            if (m_text[i] == '\'')
                ++i;
        }
        m_at = end;
        return value;
    }

    Token SymbolOperator()
    {
        char c = m_text[m_at++];
        char next = m_at < m_text.size() ? m_text[m_at] : '\0';
        std::string code(1, c);
        if ((c == '<' && (next == '>' || next == '=')) || (c == '>' && next == '=')) {
            code += next;
            ++m_at;
        }
        return { Token::Kind::Operator, {}, FindOp(code)->op };
    }

    Token NameToken()
    {
        size_t start = m_at;
        while (m_at < m_text.size() && !EndsName(m_text[m_at])) {
            if (m_text[m_at] == '"') {
                size_t end = SkipQuoted(m_text, m_at);
                if (end == std::string_view::npos)
                    throw ExprError("Unterminated name " + std::string(m_text.substr(start)));
                m_at = end;
            } else {
                m_at += text::Utf8CharLength(m_text, m_at);
            }
        }
        std::string name(m_text.substr(start, m_at - start));
        std::string upper = UpperName(name);
        if (const OpInfo* op = FindOp(upper); op && op->code != "NEG" && op->code != "POS")
            return { Token::Kind::Operator, {}, op->op };
        if (upper == "TRUE" || upper == "FALSE")
            return { Token::Kind::Operand, Item('B', { upper == "TRUE" ? "1" : "0" }) };
        size_t next = m_at;
        while (next < m_text.size() && IsBlank(m_text[next]))
            ++next;
        if (next < m_text.size() && m_text[next] == '(')
            return FunctionToken(name, next);
        if (m_at < m_text.size() && m_text[m_at] == '[') {
            size_t close = FindClosing(m_text, m_at);
            if (close == std::string_view::npos)
                throw ExprError("Need \"]\" here");
            std::string index(Trimmed(m_text.substr(m_at + 1, close - m_at - 1)));
            m_at = close + 1;
            return { Token::Kind::Operand, Item('F', { "GETARRAY", name, index, "" }) };
        }
        return { Token::Kind::Operand, Item('V', { name }) };
    }

    Token FunctionToken(const std::string& name, size_t open)
    {
        size_t close = FindClosing(m_text, open);
        if (close == std::string_view::npos)
            throw ExprError("Need \")\" here");
        std::vector<std::string> args = SplitArguments(m_text.substr(open + 1, close - open - 1));
        if (args.size() > 3)
            throw ExprError("Too many arguments for " + name);
        args.resize(3);
        m_at = close + 1;
        return { Token::Kind::Operand, Item('F', { name, args[0], args[1], args[2] }) };
    }

    std::string_view m_text;
    size_t m_at { 0 };
};

// ---- evaluation helpers ------------------------------------------------------

Variant Apply(Op op, const Variant& a, const Variant& b)
{
    switch (op) {
    case Op::Add: return OpAdd(a, b);
    case Op::Subtract: return OpSubtract(a, b);
    case Op::Multiply: return OpMultiply(a, b);
    case Op::Divide: return OpDivide(a, b);
    case Op::Mod: return OpMod(a, b);
    case Op::And: return OpAnd(a, b);
    case Op::Or: return OpOr(a, b);
    case Op::Equal: return Variant(CompareValues(a, b) == 0 ? 1 : 0);
    case Op::NotEqual: return Variant(CompareValues(a, b) != 0 ? 1 : 0);
    case Op::Less: return Variant(CompareValues(a, b) < 0 ? 1 : 0);
    case Op::Greater: return Variant(CompareValues(a, b) > 0 ? 1 : 0);
    case Op::LessEqual: return Variant(CompareValues(a, b) <= 0 ? 1 : 0);
    case Op::GreaterEqual: return Variant(CompareValues(a, b) >= 0 ? 1 : 0);
    default: break;
    }
    throw ExprError("Unknown operator");
}

Variant ApplyPrefix(Op op, const Variant& a)
{
    switch (op) {
    case Op::Not: return OpNot(a);
    case Op::Negate: return OpNegate(a);
    case Op::Plus: return OpPlus(a);
    case Op::Int: return OpInt(a);
    case Op::Frac: return OpFrac(a);
    case Op::Round: return OpRound(a);
    case Op::Str: return OpStr(a);
    default: break;
    }
    throw ExprError("Unknown operator");
}

// Characters of UTF-8 text, counted and cut as whole characters.
std::string CopyCharacters(std::string_view text, std::int64_t from, std::int64_t count)
{
    if (from < 1)
        from = 1;
    if (count <= 0)
        return {};
    size_t i = 0;
    for (std::int64_t skip = 1; skip < from && i < text.size(); ++skip)
        i += text::Utf8CharLength(text, i);
    size_t start = i;
    for (std::int64_t taken = 0; taken < count && i < text.size(); ++taken)
        i += text::Utf8CharLength(text, i);
    return std::string(text.substr(start, i - start));
}

// Keeps the nesting counter right however an evaluation ends.
class DepthGuard {
public:
    DepthGuard(int& depth, long& steps) : m_depth(depth)
    {
        if (m_depth == 0)
            steps = 0;
        if (++m_depth > TfrParser::kMaxDepth) {
            --m_depth;
            throw ExprError("Expression is nested too deeply");
        }
    }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& m_depth;
};

} // namespace

std::string TfrParser::ToPostfix(std::string_view expression) const
{
    std::vector<Token> tokens = Tokenizer(expression).Run();
    std::string output;
    std::vector<Token> stack;
    bool expectOperand = true;
    auto popWhile = [&](int level) {
        while (!stack.empty() && stack.back().kind == Token::Kind::Operator && Info(stack.back().op).level <= level) {
            output += Item('O', { Info(stack.back().op).code });
            stack.pop_back();
        }
    };
    for (Token& token : tokens) {
        switch (token.kind) {
        case Token::Kind::Operand:
            if (!expectOperand)
                throw ExprError("Missing operator in expression " + std::string(expression));
            output += token.item;
            expectOperand = false;
            break;
        case Token::Kind::Open:
            if (!expectOperand)
                throw ExprError("Missing operator in expression " + std::string(expression));
            stack.push_back(std::move(token));
            break;
        case Token::Kind::Close:
            if (expectOperand)
                throw ExprError("Missing operand in expression " + std::string(expression));
            popWhile(std::numeric_limits<int>::max());
            if (stack.empty())
                throw ExprError("Need \"(\" before \")\" in expression " + std::string(expression));
            stack.pop_back();
            break;
        case Token::Kind::Operator: {
            Op op = token.op;
            if (expectOperand) {
                if (op == Op::Subtract)
                    op = Op::Negate;
                else if (op == Op::Add)
                    op = Op::Plus;
                else if (!Info(op).prefix)
                    throw ExprError("Missing operand in expression " + std::string(expression));
                stack.push_back({ Token::Kind::Operator, {}, op });
                break;
            }
            if (Info(op).prefix)
                throw ExprError("Missing operator in expression " + std::string(expression));
            popWhile(Info(op).level);
            stack.push_back({ Token::Kind::Operator, {}, op });
            expectOperand = true;
            break;
        }
        }
    }
    if (expectOperand && !tokens.empty())
        throw ExprError("Missing operand in expression " + std::string(expression));
    popWhile(std::numeric_limits<int>::max());
    if (!stack.empty())
        throw ExprError("Need \")\" here");
    return output;
}

Variant TfrParser::Evaluate(std::string_view expression)
{
    return EvaluatePostfix(ToPostfix(expression));
}

Variant TfrParser::EvaluatePostfix(std::string_view postfix)
{
    DepthGuard guard(m_depth, m_steps);
    std::vector<Variant> stack;
    auto pop = [&stack]() {
        if (stack.empty())
            throw ExprError("Invalid postfix expression");
        Variant value = std::move(stack.back());
        stack.pop_back();
        return value;
    };
    ItemReader reader(postfix);
    while (!reader.AtEnd()) {
        if (++m_steps > MaxSteps)
            throw ExprError("Expression takes too long to evaluate");
        char tag = reader.Tag();
        switch (tag) {
        case 'I':
        case 'D': {
            std::string_view number = reader.Field();
            stack.push_back(tag == 'I' ? IntegerVariant(SaturatedInt64(ValueToNumber(Variant(std::string(number)))))
                                       : Variant(ValueToNumber(Variant(std::string(number)))));
            break;
        }
        case 'S':
            stack.emplace_back(std::string(reader.Field()));
            break;
        case 'B':
            stack.emplace_back(reader.Field() == "1");
            break;
        case 'V':
            stack.push_back(Resolve(std::string(reader.Field())));
            break;
        case 'F': {
            std::string name(reader.Field());
            std::string args[3] = { std::string(reader.Field()), std::string(reader.Field()),
                std::string(reader.Field()) };
            bool handled = false;
            Variant result = CallBuiltIn(UpperName(name), args, handled);
            if (!handled) {
                if (!CallFunction)
                    throw ExprError("Unknown function " + name);
                CallFunction(name, args[0], args[1], args[2], result);
            }
            stack.push_back(std::move(result));
            break;
        }
        case 'O': {
            const OpInfo* info = FindOp(reader.Field());
            if (!info)
                throw ExprError("Invalid postfix expression");
            if (info->prefix) {
                Variant a = pop();
                stack.push_back(ApplyPrefix(info->op, a));
            } else {
                Variant b = pop();
                Variant a = pop();
                stack.push_back(Apply(info->op, a, b));
            }
            break;
        }
        default:
            throw ExprError("Invalid postfix expression");
        }
    }
    if (stack.size() > 1)
        throw ExprError("Invalid postfix expression");
    return stack.empty() ? Variant() : std::move(stack.back());
}

Variant TfrParser::Resolve(const std::string& name)
{
    Variant value;
    if (!GetValue)
        throw ExprError("Undefined symbol \"" + name + "\"");
    GetValue(name, value);
    return value;
}

Variant TfrParser::CallBuiltIn(const std::string& name, const std::string (&args)[3], bool& handled)
{
    handled = true;
    if (name == "IF")
        return IsTrue(Evaluate(args[0])) ? Evaluate(args[1]) : Evaluate(args[2]);
    if (name == "COPY") {
        std::string text = ValueToText(Evaluate(args[0]), *Settings);
        std::int64_t from = SaturatedInt64(ValueToNumber(Evaluate(args[1])));
        std::int64_t count = SaturatedInt64(ValueToNumber(Evaluate(args[2])));
        return Variant(CopyCharacters(text, from, count));
    }
    if (name == "STRTODATE" || name == "STRTOTIME") {
        std::string text = ValueToText(Evaluate(args[0]), *Settings);
        auto value = name == "STRTODATE" ? dt::ParseDate(text, *Settings) : dt::ParseTime(text, *Settings);
        if (!value)
            throw ExprError("'" + text + "' is not a valid " + (name == "STRTODATE" ? "date" : "time"));
        return Variant(*value);
    }
    handled = false;
    return {};
}

} // namespace report
