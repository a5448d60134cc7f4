#include "json.h"

#include <gtest/gtest.h>

namespace tavrel::cli {
namespace {

TEST(Json, PrintsNestedValuesInInsertionOrder) {
    Json doc = Json::MakeObject();
    doc.Set("year", 2024).Set("jd", 0.1 + 0.2).Set("name", "立春");
    doc.Set("list", Json::MakeArray().Push(true).Push(nullptr).Push(-0.25));
    doc.Set("year", 2025);
    EXPECT_EQ(doc.Dump(),
              "{\"year\": 2025, \"jd\": 0.30000000000000004, \"name\": \"立春\", "
              "\"list\": [true, null, -0.25]}");
}

TEST(Json, EscapesControlsAndRepairsBrokenUtf8) {
    EXPECT_EQ(JsonQuote("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(JsonQuote("x\xFFy"), "\"x\uFFFDy\"");
}

}  // namespace
}  // namespace tavrel::cli
