#include "tools/support/JsonWriter.h"

#include <gtest/gtest.h>

#include <limits>

namespace tools {
namespace {

TEST(JsonWriter, IndentsMembersAndElementsOnePerLineAndKeepsEmptyContainersShort)
{
    JsonWriter json;
    json.BeginObject();
    json.Key("name").String("skin");
    json.Key("rect").BeginArray();
    json.Integer(1);
    json.Integer(-2);
    json.EndArray();
    json.Key("none").BeginArray();
    json.EndArray();
    json.Key("keys").BeginObject();
    json.EndObject();
    json.Key("records").BeginArray();
    json.BeginObject();
    json.Key("flag").Null();
    json.Key("shown").Bool(false);
    json.EndObject();
    json.EndArray();
    json.Key("lines").Lines({ "a", "b" });
    json.EndObject();
    EXPECT_EQ(json.Text(), "{\n"
                           "  \"name\": \"skin\",\n"
                           "  \"rect\": [\n    1,\n    -2\n  ],\n"
                           "  \"none\": [],\n"
                           "  \"keys\": {},\n"
                           "  \"records\": [\n    {\n      \"flag\": null,\n      \"shown\": false\n    }\n  ],\n"
                           "  \"lines\": [\n    \"a\",\n    \"b\"\n  ]\n"
                           "}\n");
}

// Whatever bytes a file held, the output stays well-formed JSON in UTF-8.
TEST(JsonWriter, EscapesQuotesControlCharactersAndDamagedBytes)
{
    JsonWriter json;
    json.BeginArray();
    json.String("say \"hi\" \\ 宋体");
    json.String("tab\tline\r\nend\x01");
    json.String("cut \xE5\xAE off\xFF");
    json.EndArray();
    EXPECT_EQ(json.Text(), "[\n"
                           "  \"say \\\"hi\\\" \\\\ 宋体\",\n"
                           "  \"tab\\u0009line\\u000d\\u000aend\\u0001\",\n"
                           "  \"cut \\ufffd\\ufffd off\\ufffd\"\n"
                           "]\n");
}

TEST(JsonWriter, WritesNumbersExactlyAndNonFiniteOnesAsNull)
{
    JsonWriter json;
    json.BeginArray();
    json.Number(0.1);
    json.Number(46023.5);
    json.Number(-1e300);
    json.Number(std::numeric_limits<double>::quiet_NaN());
    json.Number(std::numeric_limits<double>::infinity());
    json.Integer(std::numeric_limits<long long>::min());
    json.EndArray();
    EXPECT_EQ(json.Text(), "[\n  0.1,\n  46023.5,\n  -1e+300,\n  null,\n  null,\n  -9223372036854775808\n]\n");
}

} // namespace
} // namespace tools
