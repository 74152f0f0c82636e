// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/web/rich_text_html.h"

#include <gtest/gtest.h>

namespace kovrel::web {
namespace {

TextStyle styled(int pointSize, bool bold, TextAlignment alignment = TextAlignment::left) {
  TextStyle style;
  style.pointSize = pointSize;
  style.bold = bold;
  style.alignment = alignment;
  return style;
}

TEST(RichTextHtml, ParagraphsKeepTheirAlignmentStylesAndEscapes) {
  TextStyle red = styled(12, false);
  red.colour = TextColour::red;
  red.italic = true;
  red.underline = true;
  const struct {
    std::vector<StyledRun> runs;
    std::string html;
  } cases[] = {
      {{}, ""},
      {{{"Title\n", styled(18, true, TextAlignment::centre)}, {"Step one", styled(12, false)}},
       "<p class=\"centre\"><span style=\"font-size:1.5em\" class=\"bold\">Title</span></p>"
       "<p><span style=\"font-size:1em\">Step one</span></p>"},
      // An empty paragraph still takes its line; CR of CR LF texts is dropped.
      {{{"a\r\n\r\nb", styled(12, false)}},
       "<p><span style=\"font-size:1em\">a</span></p><p>&nbsp;</p>"
       "<p><span style=\"font-size:1em\">b</span></p>"},
      // A paragraph is aligned as its first text says, even when a later run is centred.
      {{{"left ", styled(12, false)}, {"more", styled(12, false, TextAlignment::centre)}},
       "<p><span style=\"font-size:1em\">left </span><span "
       "style=\"font-size:1em\">more</span></p>"},
      // Lesson text never becomes markup.
      {{{"<script>alert(\"x\")</script> & more", red}},
       "<p><span style=\"font-size:1em\" class=\"underline italic red\">&lt;script&gt;alert("
       "&quot;x&quot;)&lt;/script&gt; &amp; more</span></p>"},
  };
  for (const auto& [runs, html] : cases) EXPECT_EQ(runsToHtml(runs), html);
}

TEST(RichTextHtml, JsonStringsAreAlwaysWellFormed) {
  const struct {
    std::string text;
    std::string json;
  } cases[] = {
      {"", "\"\""},
      {"Router#", "\"Router#\""},
      {"say \"hi\" \\ there", "\"say \\\"hi\\\" \\\\ there\""},
      {"line\r\nnext\ttab\x1b[1m\x7f", "\"line\\u000d\\u000anext\\u0009tab\\u001b[1m\\u007f\""},
      {"caf\xc3\xa9 \xe2\x94\x80", "\"caf\xc3\xa9 \xe2\x94\x80\""},
      // Broken UTF-8: a stray continuation, a truncated sequence, an overlong lead byte.
      {"a\x80z", "\"a\\ufffdz\""},
      {"end\xe2\x94", "\"end\\ufffd\\ufffd\""},
      {"\xc0\xaf", "\"\\ufffd\\ufffd\""},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(jsonString(text), json) << text;
}

TEST(RichTextHtml, PaneReportsEachChangeOnce) {
  HtmlPane pane;
  EXPECT_FALSE(pane.takeChanged());
  showRuns(&pane, {{"one", styled(12, false)}, {" two", styled(12, false)}}, true);
  EXPECT_TRUE(pane.takeChanged());
  EXPECT_FALSE(pane.takeChanged());
  ASSERT_EQ(pane.runs().size(), 1u);
  EXPECT_EQ(pane.runs()[0].text, "one two");
  pane.clear();
  EXPECT_TRUE(pane.takeChanged());
  EXPECT_TRUE(pane.runs().empty());
}

}  // namespace
}  // namespace kovrel::web
