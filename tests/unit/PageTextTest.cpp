#include "format/PageText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Names that would end the script, open a comment or break a line in older parsers.
const std::wstring kHostile = L"</script><!--\"a\\b\"&\u2028\u2029\t.txt";

TEST(PageText, NoNameEndsTheScriptItSitsIn) {
    for (bool utf8 : {false, true}) {
        PageText text(utf8);
        std::string json;
        text.AppendJson(json, kHostile);
        EXPECT_EQ("\"\\u003c/script\\u003e\\u003c!--\\\"a\\\\b\\\"\\u0026\\u2028\\u2029\\u0009.txt\"", json) << utf8;
    }
}

TEST(PageText, WhatTheCodePageLacksIsEscapedAndWhatItHoldsIsItsBytes) {
    PageText codePage(false);
    std::string json;
    codePage.AppendJson(json, L"\u8868\ud55c\U0001F600");  // 表, 한, an emoji as a surrogate pair
    EXPECT_EQ("\"\x95\\\\ud55c\\ud83d\\ude00\"", json);
    std::string html;
    codePage.AppendHtml(html, L"<\u8868 & \ud55c\U0001F600>");
    EXPECT_EQ("&lt;\x95\\ &amp; &#xd55c;&#x1f600;&gt;", html);

    PageText utf8(true);
    json.clear();
    utf8.AppendJson(json, std::wstring(L"\ud55c\U0001F600") + L'\xD800');  // a lone half stays exact
    EXPECT_EQ("\"\xED\x95\x9C\xF0\x9F\x98\x80\\ud800\"", json);
}

}  // namespace
