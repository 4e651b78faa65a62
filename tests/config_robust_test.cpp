// The configuration reader and writer on hostile input: deep nesting, garbage, huge lines.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "config/CFGDocument.h"

namespace {

struct Shape {
  size_t nodes = 0;
  size_t depth = 0;
  bool clean = true;  // no name or value holds a structural character, a CR or a NUL
  std::string dump;   // names and values in document order, NUL-free when clean
};

// Walks the tree without recursion, checking the sibling links along the way.
Shape Inspect(CFGNode* root) {
  Shape s;
  struct At {
    CFGNode* node;
    size_t depth;
  };
  std::vector<At> stack{{root, 0}};
  while (!stack.empty()) {
    At at = stack.back();
    stack.pop_back();
    if (at.depth > s.depth) s.depth = at.depth;
    std::vector<CFGNode*> kids;
    for (CFGNode* c = at.node->GetFirstChild(); c != nullptr; c = c->GetNextNode()) {
      kids.push_back(c);
    }
    for (size_t k = kids.size(); k-- > 0;) stack.push_back(At{kids[k], at.depth + 1});
    if (at.node == root) continue;
    ++s.nodes;
    const std::string text = at.node->GetName() + '\x01' + at.node->GetValue();
    if (text.find_first_of(std::string("{}=;\r\0", 6)) != std::string::npos) s.clean = false;
    s.dump += std::to_string(at.depth) + ":" + text + "\x02";
  }
  return s;
}

std::string TempFile(const std::string& tag, const std::string& bytes) {
  const std::string path = "/tmp/delvorn_cfgrobust_" + tag + "_" + std::to_string(::getpid());
  FILE* f = std::fopen(path.c_str(), "wb");
  EXPECT_NE(nullptr, f);
  if (f != nullptr) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}

std::string Repeat(const std::string& s, size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (size_t i = 0; i < n; ++i) out += s;
  return out;
}

TEST(ConfigRobust, DeepNesting) {
  struct Case {
    const char* label;
    size_t levels;
    std::string open, inner;
    bool viaFile;
  } cases[] = {
      {"10,000 unnamed blocks", 10000, "{", "", false},
      {"10,000 named blocks around a key", 10000, "a={", "k=v;", true},
      {"1,000,000 unnamed blocks", 1000000, "{", "", false},
      {"1,000,000 named blocks on one line", 1000000, "a = {", "k=v;", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string text = Repeat(c.open, c.levels) + c.inner + std::string(c.levels, '}');
    CFGDocument* doc = new CFGDocument();
    if (c.viaFile) {
      const std::string path = TempFile("deep", text);
      EXPECT_TRUE(doc->ReadFile(path));
      std::remove(path.c_str());
    } else {
      EXPECT_TRUE(doc->Parse(text));
    }
    const Shape shape = Inspect(doc);
    const size_t leaf = c.inner.empty() ? 0 : 1;
    EXPECT_EQ(c.levels + leaf, shape.depth);
    EXPECT_EQ(c.levels + leaf, shape.nodes);

    // The writer's text grows with the tree, not with its depth squared, and reads back.
    std::string written;
    doc->Generate(written);
    EXPECT_LT(written.size(), text.size() * 2 + 2 * (CFG_INDENT_LIMIT + 1) * c.levels);
    if (!c.inner.empty()) {
      CFGDocument back;
      EXPECT_TRUE(back.Parse(written));
      EXPECT_EQ(shape.dump, Inspect(&back).dump);
    }
    delete doc;
  }
}

TEST(ConfigRobust, DeepDumpKeepsOneLinePerNode) {
  CFGDocument doc;
  ASSERT_TRUE(doc.Parse(Repeat("{", 10000) + std::string(10000, '}')));
  testing::internal::CaptureStdout();
  doc.RecursiveDebugOutput(0);
  const std::string out = testing::internal::GetCapturedStdout();
  size_t lines = 0;
  for (char ch : out) lines += ch == '\n';
  EXPECT_EQ(10001u, lines);
  const std::string last = std::string(CFG_INDENT_LIMIT, ' ') + "node: unnamed\n";
  EXPECT_EQ(last, out.substr(out.size() - last.size()));
}

TEST(ConfigRobust, UnbalancedDeepInputFailsCleanly) {
  struct Case {
    const char* label;
    std::string text;
    const char* out;
  } cases[] = {
      {"a million openers", std::string(1000000, '{'), "scope err\n"},
      {"a million closers first", std::string(1000000, '}') + std::string(1000000, '{'), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    CFGDocument doc;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(doc.Parse(c.text));
    EXPECT_EQ(c.out, testing::internal::GetCapturedStdout());
    EXPECT_EQ(nullptr, doc.GetFirstChild());
  }
}

TEST(ConfigRobust, GarbageGivesADefinedTree) {
  // Random bytes, and random picks from the characters the reader cares about.
  struct Case {
    const char* label;
    std::string alphabet;  // empty: any byte
    size_t size;
  } cases[] = {
      {"any byte", "", 1 << 16},
      {"structure-heavy", std::string("{}=;\"\\/*\n\r \tab\0", 16), 1 << 16},
      {"mostly braces", "{{{}}=;a", 1 << 14},
      {"comments and quotes", "/*\"\\\n ab=;{}", 1 << 16},
  };
  unsigned int seed = 12345;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7fffu;
  };
  for (const Case& c : cases) {
    for (int round = 0; round < 8; ++round) {
      SCOPED_TRACE(std::string(c.label) + " round " + std::to_string(round));
      std::string bytes(c.size, '\0');
      for (char& b : bytes) {
        b = c.alphabet.empty() ? static_cast<char>(next() & 0xff)
                               : c.alphabet[next() % c.alphabet.size()];
      }
      CFGDocument doc;
      testing::internal::CaptureStdout();
      const bool ok = doc.Parse(bytes);
      const std::string out = testing::internal::GetCapturedStdout();
      ASSERT_TRUE(out.empty() || out == "scope err\n");
      const Shape shape = Inspect(&doc);
      if (!out.empty()) {
        EXPECT_EQ(0u, shape.nodes);
      }
      if (ok) {
        EXPECT_TRUE(out.empty());
      }
      // Structural characters and CRs never reach a name or value; NULs do through Parse.
      std::string noNul = bytes;
      for (char& b : noNul) {
        if (b == '\0') b = '@';
      }
      CFGDocument clean;
      testing::internal::CaptureStdout();
      const bool cleanOk = clean.Parse(noNul);
      testing::internal::GetCapturedStdout();
      const Shape cleanShape = Inspect(&clean);
      EXPECT_TRUE(cleanShape.clean);
      // Reading the same NUL-free bytes from a file gives the same result as parsing them.
      const std::string path = TempFile("garbage", noNul);
      CFGDocument fromFile;
      testing::internal::CaptureStdout();
      EXPECT_EQ(cleanOk, fromFile.ReadFile(path));
      testing::internal::GetCapturedStdout();
      std::remove(path.c_str());
      EXPECT_EQ(cleanShape.dump, Inspect(&fromFile).dump);
    }
  }
}

TEST(ConfigRobust, HugeLines) {
  // Eight megabytes on one line: a stream of keys, and one token that never ends.
  std::string keys;
  const size_t count = 400000;
  for (size_t i = 0; i < count; ++i) keys += "key" + std::to_string(i) + " = v;";
  struct Case {
    const char* label;
    std::string text;
    size_t nodes;
    std::string last;
  } cases[] = {
      {"keys on one line", keys, count, "key399999"},
      {"one endless token", std::string(8 << 20, 'x'), 0, ""},
      {"one endless quoted value", "a=\"" + std::string(8 << 20, ' ') + "\";", 1, "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string path = TempFile("huge", c.text);
    CFGDocument doc;
    EXPECT_TRUE(doc.ReadFile(path));
    std::remove(path.c_str());
    EXPECT_EQ(c.nodes, Inspect(&doc).nodes);
    CFGNode* last = nullptr;
    for (CFGNode* n = doc.GetFirstChild(); n != nullptr; n = n->GetNextNode()) last = n;
    EXPECT_EQ(c.last, last == nullptr ? std::string() : last->GetName());
  }
}

}  // namespace
