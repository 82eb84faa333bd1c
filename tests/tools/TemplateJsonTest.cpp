// The dumper's JSON names every stored field, escapes text and reports refusals.
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrPictureView.h"
#include "report/template/PageTemplate.h"
#include "tools/support/TemplateJson.h"

#include <gtest/gtest.h>

namespace report {
namespace {

bool Contains(const std::string& json, std::string_view part) { return json.find(part) != std::string::npos; }

TEST(TemplateJson, ShowsPagesObjectsDictionaryAndInfo)
{
    auto report = MakePageTemplate();
    auto picture = std::make_unique<TfrPictureView>();
    picture->Name = "Picture1";
    picture->Graphic = GraphicKind::Bitmap;
    picture->PictureData = { 'B', 'M', 0xAB };
    report->Pages[0]->Add(std::move(picture));
    report->Dictionary.Variables = { { "Quote\"d", "line\r\nbreak" } };
    report->Info.Password = "secret";
    std::string json = TemplateToJson(*report, 25);
    EXPECT_TRUE(Contains(json, "\"version\": 25"));
    EXPECT_TRUE(Contains(json, "\"PrinterName\": \"Virtual printer\""));
    EXPECT_TRUE(Contains(json, "\"BandType\": \"Master data\""));
    EXPECT_TRUE(Contains(json, "\"FormatText\": \"frDBDataSet1\""));
    EXPECT_TRUE(Contains(json, "\"[frDBDataSet1.\\\"标题\\\"]\""));
    EXPECT_TRUE(Contains(json, "\"Name\": \"宋体\""));
    EXPECT_TRUE(Contains(json, "\"PictureHex\": \"424dab\""));
    EXPECT_TRUE(Contains(json, "\"name\": \"Quote\\\"d\""));
    EXPECT_TRUE(Contains(json, "\"value\": \"line\\u000d\\u000abreak\""));
    EXPECT_TRUE(Contains(json, "\"CreationDateText\": \"2026-01-01 00:00:00\""));
    EXPECT_TRUE(Contains(json, "\"Script\": []"));
    // The password itself is not shown.
    EXPECT_FALSE(Contains(json, "secret"));
    EXPECT_TRUE(Contains(json, "\"HasPassword\": true"));
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.substr(json.size() - 2), "}\n");
}

TEST(TemplateJson, RefusalsNameTheFileAndTheReason)
{
    EXPECT_EQ(TemplateErrorToJson("a.frf", "Unsupported FRF format\nunknown record tag 100"),
              "{\n  \"file\": \"a.frf\",\n  \"error\": \"Unsupported FRF format\\u000aunknown record tag 100\"\n}\n");
}

} // namespace
} // namespace report
