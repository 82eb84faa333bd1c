#include "report/expr/ExprError.h"
#include "report/expr/TfrAggregates.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/ValueConvert.h"

#include <gtest/gtest.h>

#include <map>

using namespace report;

namespace {

class FakeField : public TfrDataField {
public:
    FakeField(TfrFieldKind kind, Variant value, std::string display = {}, bool handler = false)
        : m_kind(kind), m_value(std::move(value)), m_display(std::move(display)), m_handler(handler) {}
    TfrFieldKind Kind() const override { return m_kind; }
    Variant Value() const override { return m_value; }
    std::string DisplayText() const override { return m_display; }
    bool HasTextHandler() const override { return m_handler; }
    void Set(Variant value) { m_value = std::move(value); }

private:
    TfrFieldKind m_kind;
    Variant m_value;
    std::string m_display;
    bool m_handler;
};

// A report with a dictionary, one dataset, a memo object and build state.
class FakeReport : public TfrReportScope {
public:
    bool OnGetValue(const std::string& name, Variant& value) override
    {
        if (name != "EventName")
            return false;
        value = Variant("from event");
        return true;
    }
    bool OnUserFunction(const std::string& name, const std::string& p1, const std::string&, const std::string&,
        Variant& value) override
    {
        if (name != "Twice")
            return false;
        value = Variant(p1 + p1);
        return true;
    }
    std::optional<std::string> DictionaryVariable(const std::string& name) const override
    {
        auto it = dictionary.find(name);
        return it == dictionary.end() ? std::nullopt : std::optional(it->second);
    }
    bool SetDictionaryVariable(const std::string& name, const std::string& text) override
    {
        if (!dictionary.count(name))
            return false;
        dictionary[name] = text;
        return true;
    }
    std::string ResolveDatasetAlias(const std::string& name) const override
    {
        return name == "Notes" ? "frDBDataSet1" : name;
    }
    const TfrDataField* FindField(const std::string& dataset, const std::string& field) override
    {
        ++fieldLookups;
        if (dataset != "frDBDataSet1" && !dataset.empty())
            return nullptr;
        auto it = fields.find(field);
        return it == fields.end() ? nullptr : &it->second;
    }
    std::optional<Variant> BuiltInValue(TfrBuiltIn which) const override
    {
        switch (which) {
        case TfrBuiltIn::Page: return Variant(3);
        case TfrBuiltIn::Line: return Variant(2);
        case TfrBuiltIn::CurY: return Variant(120);
        default: return std::nullopt;
        }
    }
    bool SetBuildValue(TfrBuildSetting which, const Variant& value) override
    {
        if (which != TfrBuildSetting::CurY)
            return false;
        curY = value;
        return true;
    }
    bool GetObjectProperty(const TfrObjectPath& path, Variant& value) override
    {
        if (path.object != "Memo1" || path.member != "VISIBLE")
            return false;
        value = Variant(memoVisible);
        lastPage = path.page;
        return true;
    }
    bool SetObjectProperty(const TfrObjectPath& path, const Variant& value) override
    {
        if (path.object != "Memo1" || path.member != "VISIBLE")
            return false;
        memoVisible = IsTrueValue(value);
        return true;
    }
    bool CallObjectMethod(const TfrObjectPath& path, const std::vector<Variant>& args, Variant& result) override
    {
        calls.push_back(path.object + ":" + path.member + ":" + std::to_string(args.size()));
        if (path.member == "GETINDEXPROPERTY")
            result = Variant("indexed");
        return path.object == "Memo1";
    }
    void StopReport() override { stopped = true; }
    bool StopRequested() const override { return stopped; }
    bool ShowBand(const std::string& name) override { return name == "Child1"; }
    TfrAggregates* Aggregates(const std::string& band) override
    {
        return band.empty() || band == "MasterData1" ? &aggregates : nullptr;
    }
    std::string CurrentBandName() const override { return "MasterFooter1"; }
    std::string InputBox(const std::string&, const std::string& text) override { return text + "!"; }
    int MessageBox(const std::string&, const std::string&, int flags) override { return flags == 4 ? 6 : 1; }

    static bool IsTrueValue(const Variant& v) { return ValueToNumber(v) != 0; }

    std::map<std::string, std::string> dictionary;
    std::map<std::string, FakeField> fields;
    TfrAggregates aggregates;
    std::vector<std::string> calls;
    Variant curY;
    bool memoVisible { true };
    bool stopped { false };
    int lastPage { -1 };
    int fieldLookups { 0 };
};

class ExprResolveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        report.fields.emplace("标题", FakeField(TfrFieldKind::Text, Variant("Hello")));
        report.fields.emplace("Empty", FakeField(TfrFieldKind::Text, Variant()));
        report.fields.emplace("Flag", FakeField(TfrFieldKind::Boolean, Variant()));
        report.fields.emplace("Amount", FakeField(TfrFieldKind::Other, Variant()));
        report.fields.emplace("Big", FakeField(TfrFieldKind::LargeInt, Variant(5), "5000000000"));
        report.fields.emplace("Coded", FakeField(TfrFieldKind::Other, Variant(1), "one", true));
        engine.SetScope(&report);
        engine.StartBuild();
    }
    Variant Eval(const std::string& expression) { return engine.Evaluate(expression); }

    FakeReport report;
    TfrExpressionEngine engine;
};

TEST_F(ExprResolveTest, FieldsResolveWithAndWithoutDataset)
{
    EXPECT_EQ(Eval("frDBDataSet1.\"标题\""), Variant("Hello"));
    EXPECT_EQ(Eval("[frDBDataSet1.\"标题\"]"), Variant("Hello"));
    EXPECT_EQ(Eval("Notes.\"标题\""), Variant("Hello")) << "dataset names pass through the aliases";
    EXPECT_EQ(Eval("[标题] + '!'"), Variant("Hello!"));
}

TEST_F(ExprResolveTest, NullFieldsReadByTheirKind)
{
    EXPECT_EQ(Eval("Empty"), Variant(""));
    EXPECT_EQ(Eval("Flag"), Variant(false));
    EXPECT_EQ(Eval("Amount"), Variant(0));
    EXPECT_EQ(Eval("Big"), Variant("5000000000"));
    EXPECT_EQ(Eval("Coded"), Variant("one"));
    EXPECT_EQ(Eval("FIELDISNULL(frDBDataSet1.Empty)"), Variant(true));
    EXPECT_EQ(Eval("FIELDISNULL(\"标题\")"), Variant(false));
    EXPECT_THROW(Eval("FIELDISNULL(Missing)"), ExprError);
}

TEST_F(ExprResolveTest, FoundFieldsAreCachedButReadAgain)
{
    EXPECT_EQ(Eval("frDBDataSet1.\"标题\""), Variant("Hello"));
    int lookups = report.fieldLookups;
    report.fields.at("标题").Set(Variant("World"));
    EXPECT_EQ(Eval("frDBDataSet1.\"标题\""), Variant("World"));
    EXPECT_EQ(report.fieldLookups, lookups);
    engine.StartBuild();
    Eval("frDBDataSet1.\"标题\"");
    EXPECT_EQ(report.fieldLookups, lookups + 1);
}

TEST_F(ExprResolveTest, ResolutionOrder)
{
    // The event comes first.
    EXPECT_EQ(Eval("EventName"), Variant("from event"));
    // A dictionary variable's text is evaluated; a global of the same name wins.
    report.dictionary["Total"] = "2 + 3";
    EXPECT_EQ(Eval("Total * 2"), Variant(10));
    engine.Globals().Set("Total", Variant(1));
    EXPECT_EQ(Eval("Total * 2"), Variant(2));
    // Built-ins come before globals, globals before page state and constants.
    engine.Globals().Set("PAGE#", Variant(99));
    EXPECT_EQ(Eval("[PAGE#]"), Variant(3));
    engine.Globals().Set("clRed", Variant(5));
    EXPECT_EQ(Eval("clRed"), Variant(5));
    EXPECT_EQ(Eval("CURY + [LINE#]"), Variant(122));
    EXPECT_EQ(Eval("Memo1.Visible"), Variant(true));
    EXPECT_EQ(Eval("Page2.Memo1.visible"), Variant(true));
    EXPECT_EQ(report.lastPage, 2);
    EXPECT_EQ(Eval("DATE + TIME > 40000"), Variant(1));
}

TEST_F(ExprResolveTest, ValueHoldsTheLastExpansion)
{
    engine.SetLastValue(Variant(42));
    EXPECT_EQ(Eval("VALUE > 40"), Variant(1));
}

TEST_F(ExprResolveTest, VariableReferringToItselfIsReported)
{
    report.dictionary["A"] = "B + 1";
    report.dictionary["B"] = "C * 2";
    report.dictionary["C"] = "[A]";
    try {
        Eval("A");
        FAIL() << "no error";
    } catch (const ExprError& error) {
        EXPECT_STREQ(error.what(), "Variable \"A\" refers to itself");
    }
    report.dictionary["Self"] = "Self";
    EXPECT_THROW(Eval("Self"), ExprError);
    // A variable used twice in one expression is no self-reference.
    report.dictionary["One"] = "1";
    report.dictionary["Two"] = "One + One";
    EXPECT_EQ(Eval("Two + One"), Variant(3));
}

TEST_F(ExprResolveTest, ExponentialVariableChainsEndWithAnError)
{
    // V0 = 1, Vn = Vn-1 + Vn-1: evaluating V30 would take 2^30 steps.
    report.dictionary["V0"] = "1";
    for (int i = 1; i <= 30; ++i)
        report.dictionary["V" + std::to_string(i)] = "V" + std::to_string(i - 1) + " + V" + std::to_string(i - 1);
    EXPECT_EQ(Eval("V10"), Variant(1024));
    engine.Parser().MaxSteps = 5000;
    EXPECT_THROW(Eval("V30"), ExprError);
}

TEST_F(ExprResolveTest, AssignmentRules)
{
    engine.Globals().Set("g", Variant(1));
    engine.SetValue("g", Variant(2));
    EXPECT_EQ(engine.Globals().Get("g"), Variant(2));
    report.dictionary["Title"] = "'x'";
    engine.SetValue("Title", Variant("it's"));
    EXPECT_EQ(report.dictionary["Title"], "'it''s'");
    EXPECT_EQ(Eval("Title"), Variant("it's"));
    engine.SetValue("CurY", Variant(300));
    EXPECT_EQ(report.curY, Variant(300));
    engine.SetValue("Memo1.Visible", Variant(false));
    EXPECT_FALSE(report.memoVisible);
    engine.SetValue("fresh", Variant(7));
    EXPECT_EQ(engine.Globals().Get("FRESH"), Variant(7));
    EXPECT_FALSE(engine.Globals().Contains("CurY"));
}

TEST_F(ExprResolveTest, ReportProceduresAndMethods)
{
    engine.Globals().Set("n", Variant(5));
    Eval("INC(n)");
    Eval("INC(n)");
    Eval("DEC(n)");
    EXPECT_EQ(engine.Globals().Get("n"), Variant(6));
    Eval("Memo1.Hide()");
    Eval("Memo1.Memo.Add('line')");
    EXPECT_EQ(Eval("GETARRAY(Memo1.Lines, 1)"), Variant("indexed"));
    ASSERT_EQ(report.calls.size(), 3u);
    EXPECT_EQ(report.calls[0], "Memo1:HIDE:0");
    EXPECT_EQ(report.calls[1], "Memo1:MEMO.ADD:1");
    EXPECT_EQ(report.calls[2], "Memo1:GETINDEXPROPERTY:2");
    EXPECT_NO_THROW(Eval("SHOWBAND(Child1)"));
    EXPECT_THROW(Eval("SHOWBAND(Nothing)"), ExprError);
    Eval("STOPREPORT()");
    EXPECT_TRUE(report.stopped);
    EXPECT_EQ(Eval("Twice('ab')"), Variant("'ab''ab'"));
    EXPECT_EQ(Eval("INPUT('Name?', 'Li')"), Variant("Li!"));
    EXPECT_EQ(Eval("MESSAGEBOX('Go on?', '', mb_YesNo) = mrYes"), Variant(1));
    EXPECT_THROW(Eval("Nobody.Hide()"), ExprError);
}

TEST_F(ExprResolveTest, AggregatesReadTheFooterEntries)
{
    TfrAggregateCall sum { TfrAggregateKind::Sum, "Amount2", "", "" };
    TfrAggregateCall count { TfrAggregateKind::Count, "", "", "" };
    report.aggregates.Register("MasterFooter1", sum);
    report.aggregates.Register("MasterFooter1", count);
    for (int value : { 4, -1, 7 })
        report.aggregates.Accumulate(true, [value](const std::string&) { return Variant(value); });
    EXPECT_EQ(Eval("SUM(Amount2)"), Variant(10));
    EXPECT_EQ(Eval("COUNT()"), Variant(3));
    EXPECT_EQ(Eval("SUM( Amount2 , MasterData1 )"), Variant(10));
    EXPECT_THROW(Eval("SUM(Amount2, OtherBand)"), ExprError);
    EXPECT_THROW(Eval("AVG(Amount2)"), ExprError) << "not registered";
}

} // namespace
