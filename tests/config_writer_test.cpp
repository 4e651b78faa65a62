// The configuration writer and the debug dump.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "config/CFGDocument.h"
#include "tests/support/cfg_dump.h"

namespace {


std::string Generated(CFGDocument& doc) {
  std::string text;
  EXPECT_FALSE(doc.Generate(text));
  return text;
}

const char kWorked[] =
    "// first level\n"
    "level = {\n"
    "    ground = map/ground.png;   /* base picture */\n"
    "}\n"
    "player = { posx = 120;\n"
    "    health = 100; }\n";

TEST(ConfigWriter, WhatOneNodeBecomes) {
  struct Case {
    const char* label;
    std::function<void(CFGDocument&)> build;
    const char* text;
  } cases[] = {
      {"leaf", [](CFGDocument& d) { d.CreateChildNode("a", "1"); }, "a=1;\n"},
      {"named block",
       [](CFGDocument& d) { d.CreateChildNode("b")->CreateChildNode("x", "1"); },
       "b={\n\tx=1;\n}\n"},
      {"unnamed block", [](CFGDocument& d) { d.CreateChildNode()->CreateChildNode("x", "1"); },
       "={\n\tx=1;\n}\n"},
      {"bare name runs into the next node",
       [](CFGDocument& d) {
         d.CreateChildNode("e");
         d.CreateChildNode("f", "1");
       },
       "ef=1;\n"},
      {"name, value and children",
       [](CFGDocument& d) { d.CreateChildNode("n", "v")->CreateChildNode("x", "1"); },
       "n=v;\n={\n\tx=1;\n}\n"},
      {"empty node writes only its indent",
       [](CFGDocument& d) { d.CreateChildNode("s")->CreateChildNode(); }, "s={\n\t}\n"},
      {"two levels deep",
       [](CFGDocument& d) { d.CreateChildNode("b")->CreateChildNode("c")->CreateChildNode("d", "2"); },
       "b={\n\tc={\n\t\td=2;\n\t}\n}\n"},
      {"bare word before the closing brace",
       [](CFGDocument& d) { d.CreateChildNode("s")->CreateChildNode("w"); }, "s={\n\tw}\n"},
      {"no quoting or escaping",
       [](CFGDocument& d) { d.CreateChildNode("a b", "x;y"); }, "a b=x;y;\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    CFGDocument doc;
    c.build(doc);
    EXPECT_EQ(c.text, Generated(doc));
  }
}

TEST(ConfigWriter, WorkedExampleAndAppending) {
  CFGDocument doc;
  ASSERT_TRUE(doc.Parse(kWorked));
  const std::string once = "level={\n\tground=map/ground.png;\n}\nplayer={\n\tposx=120;\n\thealth=100;\n}\n";
  std::string text = "keep\n";
  EXPECT_FALSE(doc.Generate(text));
  EXPECT_FALSE(doc.Generate(text));
  EXPECT_EQ("keep\n" + once + once, text);

  CFGDocument empty;
  std::string untouched = "x";
  EXPECT_FALSE(empty.Generate(untouched));
  EXPECT_EQ("x", untouched);
}

TEST(ConfigWriter, RoundTripGivesTheSameTree) {
  const char* texts[] = {
      kWorked,
      "a=1;b=2;k=1;k=2;",
      "o={i={a=1;}b=2;}{u=1;{v=2;}}",
      "s={a;b;c}",               // a bare word comes out before its parent's brace
      "w{u=1;}v=2;",             // the waiting token becomes a leaf after the block
      "m={n={o={p=deep;}}}",
      "img={seq=1;{x=1;y=2;}{x=3;y=4;}}obj={class=5;name=A\xe9;}",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    CFGDocument first;
    ASSERT_TRUE(first.Parse(text));
    const std::string written = Generated(first);
    CFGDocument second;
    ASSERT_TRUE(second.Parse(written));
    EXPECT_EQ(Dump(&first), Dump(&second));
    EXPECT_EQ(written, Generated(second));
  }
}

TEST(ConfigWriter, DebugDump) {
  CFGDocument doc;
  ASSERT_TRUE(doc.Parse(kWorked));
  doc.GetFirstChild("level")->CreateChildNode()->CreateChildNode("", "v");
  testing::internal::CaptureStdout();
  doc.RecursiveDebugOutput(0);
  doc.GetFirstChild("player")->GetFirstChild("posx")->RecursiveDebugOutput(2);
  PShift(3);
  PShift(0);
  doc.RecursiveDebugOutput(-4);  // treated as 0
  const std::string dump =
      "node: Document\n"
      " node: level\n"
      "  node: ground, value: map/ground.png\n"
      "  node: unnamed\n"
      "   node: unnamed, value: v\n"
      " node: player\n"
      "  node: posx, value: 120\n"
      "  node: health, value: 100\n";
  EXPECT_EQ(dump + "  node: posx, value: 120\n" + "   " + dump,
            testing::internal::GetCapturedStdout());
}

TEST(ConfigWriter, IndentStopsGrowingAtTheLimit) {
  // Deeper than the limit, lines keep the limit's indentation; the text still reads back.
  CFGDocument doc;
  CFGNode* tip = &doc;
  const unsigned int depth = CFG_INDENT_LIMIT + 3;
  for (unsigned int i = 0; i < depth; ++i) tip = tip->CreateChildNode("b" + std::to_string(i));
  tip->CreateChildNode("k", "v");
  const std::string text = Generated(doc);
  const std::string deepest = std::string(CFG_INDENT_LIMIT, '\t') + "k=v;\n";
  EXPECT_NE(std::string::npos, text.find("\n" + deepest));
  EXPECT_EQ(std::string::npos, text.find("\t" + deepest));
  CFGDocument back;
  ASSERT_TRUE(back.Parse(text));
  EXPECT_EQ(Dump(&doc), Dump(&back));

  testing::internal::CaptureStdout();
  doc.RecursiveDebugOutput(1);
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string last = std::string(1 + CFG_INDENT_LIMIT, ' ') + "node: k, value: v\n";
  ASSERT_GE(out.size(), last.size() + 1);
  EXPECT_EQ("\n" + last, out.substr(out.size() - last.size() - 1));
}

TEST(ConfigWriter, SaveFileWritesNothing) {
  CFGDocument doc;
  ASSERT_TRUE(doc.Parse("a=1;"));
  const std::string path = "/tmp/delvorn_cfg_savefile_" + std::to_string(::getpid()) + ".cfg";
  EXPECT_TRUE(doc.SaveFile(path));
  struct stat st;
  EXPECT_NE(0, ::stat(path.c_str(), &st));
}

}  // namespace
