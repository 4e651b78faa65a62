// The configuration reader against a golden table of input texts and the trees they give.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "config/CFGDocument.h"
#include "tests/support/cfg_dump.h"

namespace {

// Bytes of a literal, embedded NULs included.
template <size_t N>
std::string B(const char (&s)[N]) {
  return std::string(s, N - 1);
}


class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/delvorn_cfgread_XXXXXX";
    const char* made = mkdtemp(tmpl);
    path_ = made != nullptr ? made : "/tmp";
  }
  ~TempDir() {
    std::string cmd = "rm -rf '" + path_ + "'";
    if (path_ != "/tmp") {
      EXPECT_EQ(0, std::system(cmd.c_str()));
    }
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string file = path_ + "/" + name;
    FILE* f = std::fopen(file.c_str(), "wb");
    EXPECT_NE(nullptr, f);
    if (f != nullptr) {
      EXPECT_EQ(bytes.size(), std::fwrite(bytes.data(), 1, bytes.size(), f));
      std::fclose(f);
    }
    return file;
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

enum Via { kBoth, kFile, kText };

struct ReadCase {
  const char* label;
  std::string input;
  Via via;
  bool ok;
  std::string dump;
  const char* out;      // what the reader prints on standard output
  const char* docName;  // "" when the document must stay untouched
};

const std::string kWorked = B(
    "// first level\n"
    "level = {\n"
    "    ground = map/ground.png;   /* base picture */\n"
    "}\n"
    "player = { posx = 120;\n"
    "    health = 100; }\n");

std::vector<ReadCase> Cases() {
  const std::string y2044(2044, 'y');
  const std::string z5000(5000, 'z');
  return {
      // The format's basics.
      {"worked example", kWorked, kBoth, true,
       "level{ground=map/ground.png},player{posx=120,health=100}", "", "Document"},
      {"only comments and white space", B("// a\n/* b */\n  \t\n"), kBoth, true, "", "",
       "Document"},
      {"two top-level keys", B("a=1;b=2;"), kBoth, true, "a=1,b=2", "", "Document"},
      {"same-named siblings kept in order", B("k=1;k=2;"), kBoth, true, "k=1,k=2", "",
       "Document"},
      {"spaces around tokens vanish", B("posx = 10 ;"), kBoth, true, "posx=10", "", "Document"},
      {"space inside a name vanishes", B("na me=1;"), kBoth, true, "name=1", "", "Document"},
      {"tabs vanish", B("a\t=\t1;"), kBoth, true, "a=1", "", "Document"},
      {"nested blocks", B("o={i={a=1;}b=2;}"), kBoth, true, "o{i{a=1},b=2}", "", "Document"},
      {"unnamed blocks", B("{{a=1;}}"), kBoth, true, "~{~{a=1}}", "", "Document"},
      {"empty unnamed block", B("{}"), kBoth, true, "~", "", "Document"},
      // Cutting: pending names, bare words, dropped tokens.
      {"token before } is a bare word, name lost", B("s={x=5}"), kBoth, true, "s{5}", "",
       "Document"},
      {"a word without = gives nothing", B("a;"), kBoth, true, "", "", "Document"},
      {"only the last bare word survives", B("s={a;b;c}"), kBoth, true, "s{c}", "", "Document"},
      {"second = replaces the name", B("a=b=c;"), kBoth, true, "b=c", "", "Document"},
      {"empty value makes no node", B("a=;"), kBoth, true, "", "", "Document"},
      {"k=; leaves k pending", B("k=;"), kBoth, true, "", "", "Document"},
      {"pending name survives ; and names a block", B("k=;{u=1;}"), kBoth, true, "k{u=1}", "",
       "Document"},
      {"token waits through a block", B("w{u=1;}v=2;"), kBoth, true, "~{u=1},wv=2", "",
       "Document"},
      {"={ gives an unnamed block", B("={u=1;}"), kBoth, true, "~{u=1}", "", "Document"},
      {"} drops the pending name", B("s={k=}{u=1;}"), kBoth, true, "s,~{u=1}", "", "Document"},
      {"block takes the pending name, later word dropped", B("n=v;x={}y;"), kBoth, true,
       "n=v,x", "", "Document"},
      // Quotes and escapes.
      {"quotes keep white space", B("a = \"x y\";"), kBoth, true, "a=x y", "", "Document"},
      {"without quotes white space goes", B("a = x y;"), kBoth, true, "a=xy", "", "Document"},
      {"quote at the very start", B("\"a b\"=1;"), kBoth, true, "a b=1", "", "Document"},
      {"escaped quote outside quotes", B("a=\\\"q\\\";"), kBoth, true, "a=\"q\"", "",
       "Document"},
      {"escaped quote inside quotes", B("a=\"say \\\"hi\\\"\";"), kBoth, true, "a=say \"hi\"",
       "", "Document"},
      {"escape keeps the quote state inside", B("a=\"x \\\"y z\\\" w\";"), kBoth, true,
       "a=x \"y z\" w", "", "Document"},
      {"escape keeps the quote state outside", B("a=\\\"x y\\\";"), kBoth, true,
       "a=\"xy\"", "", "Document"},
      {"backslash kept inside quotes", B("p=\"a\\b\";"), kBoth, true, "p=a\\b", "", "Document"},
      {"backslash dropped outside quotes", B("p=a\\b;"), kBoth, true, "p=ab", "", "Document"},
      {"; between quotes still acts", B("a = \"p;q\";"), kBoth, true, "a=p", "", "Document"},
      {"= between quotes still acts", B("a=\"x=y\";"), kBoth, true, "x=y", "", "Document"},
      {"braces between quotes still act", B("s=\"{\"u=1;\"}\""), kBoth, true, "s{u=1}", "",
       "Document"},
      {"unclosed quote keeps the rest", B("a=1;b=\"x y;\nc = 2;"), kBoth, true,
       "a=1,b=x y,\nc = 2", "", "Document"},
      {"// inside quotes starts a comment", B("u=\"http://x\";\nv=1;"), kBoth, true,
       "http:\nv=1", "", "Document"},
      {"line feed ending a line comment stays", B("a=\"x//y\nz\";"), kBoth, true, "a=x\nz", "",
       "Document"},
      {"other control and high bytes stay", B("n\fm=\x0b\xe9;"), kBoth, true, B("n\fm=\x0b\xe9"),
       "", "Document"},
      // Comments and their interplay.
      {"block comments nest", B("a=1; /* /* nested */ still comment */ b=2;"), kBoth, true,
       "a=1,b=2", "", "Document"},
      {"each opener needs its closer", B("/* /* */ a=1; */ b=2;"), kBoth, true, "b=2", "",
       "Document"},
      {"// inside a block comment eats the rest of the line",
       B("a=1; /* x // y */ b=2;\nc=3;"), kBoth, true, "a=1,c=3", "", "Document"},
      {"unfinished token runs past a line comment", B("a=b//c;\nd=2;"), kBoth, true, "bd=2", "",
       "Document"},
      {"/* inside a line comment runs past the line", B("a=1; // x /* y\nb=2;\n*/c=3;"), kBoth,
       true, "a=1,c=3", "", "Document"},
      {"//* opens both comments", B("a=1;//* x\ny=2;*/b=2;"), kBoth, true, "a=1,b=2", "",
       "Document"},
      {"/*/ is a whole comment", B("a=1;/*/b=2;"), kBoth, true, "a=1,b=2", "", "Document"},
      {"*/ outside a comment is text", B("a=x*/y;"), kBoth, true, "a=x*/y", "", "Document"},
      {"opener right after a closer is text", B("a=1;/*c*//*d*/b=2;"), kBoth, true,
       "a=1,/*d*/b=2", "", "Document"},
      {"closer at the very end", B("a=1;/*x*/"), kBoth, true, "a=1", "", "Document"},
      {"unclosed block comment swallows the rest", B("a=1;/* b=2;\nc=3;"), kBoth, true, "a=1",
       "", "Document"},
      {"braces in comments do not count", B("a={ /* } */ }\ns={ // }\n }"), kBoth, true, "a,s",
       "", "Document"},
      // Carriage returns.
      {"CR LF lines read like LF lines", B("level = {\r\n  a = 1;\r\n}\r\n"), kBoth, true,
       "level{a=1}", "", "Document"},
      {"CR between quotes is dropped", B("a=\"x\ry\";"), kBoth, true, "a=xy", "", "Document"},
      // Failures.
      {"unclosed block", B("a={"), kBoth, false, "", "scope err\n", "Document"},
      {"one } too many", B("a={b=1;}}"), kBoth, false, "", "scope err\n", "Document"},
      {"brace between quotes unbalances", B("a=\"{\";"), kBoth, false, "", "scope err\n",
       "Document"},
      {"}{ passes the count and fails", B("}{"), kBoth, false, "", "", "Document"},
      {"top-level } keeps the nodes before it", B("a=1;}b=2;{"), kBoth, false, "a=1", "",
       "Document"},
      {"bare word before a top-level }", B("w}{"), kBoth, false, "w", "", "Document"},
      // The file's line pieces and NUL bytes.
      {"empty file", B(""), kFile, false, "", "", ""},
      {"file of NUL bytes reads as empty text", B("\0\0\0"), kFile, true, "", "", "Document"},
      {"NUL drops the rest of its line", B("a=1;\0junk=9;\nb=2;\n"), kFile, true, "a=1,b=2", "",
       "Document"},
      {"NUL at the very start", B("\0a=1;\nb=2;"), kFile, true, "b=2", "", "Document"},
      {"NUL drops up to the end of a 2047-byte piece",
       B("a=1;\0") + std::string(2042, 'x') + B("b=2;\n"), kFile, true, "a=1,b=2", "",
       "Document"},
      {"NUL opening the second piece of a line",
       B("p=") + y2044 + B(";\0r=9;\nq=1;\n"), kFile, true, "p=" + y2044 + ",q=1", "",
       "Document"},
      {"5000-byte line read whole", B("k=") + z5000 + B(";w=1;\n"), kBoth, true,
       "k=" + z5000 + ",w=1", "", "Document"},
      {"NUL is an ordinary byte for Parse", B("a=x\0y;"), kText, true, B("a=x\0y"), "",
       "Document"},
      {"empty text parses", B(""), kText, true, "", "", "Document"},
  };
}

struct Outcome {
  bool ok;
  std::string dump;
  std::string out;
  std::string name;
};

Outcome ReadText(const std::string& text) {
  CFGDocument doc;
  testing::internal::CaptureStdout();
  const bool ok = doc.Parse(text);
  const std::string out = testing::internal::GetCapturedStdout();
  return Outcome{ok, Dump(&doc), out, doc.GetName()};
}

Outcome ReadPath(const std::string& path) {
  CFGDocument doc;
  testing::internal::CaptureStdout();
  const bool ok = doc.ReadFile(path);
  const std::string out = testing::internal::GetCapturedStdout();
  return Outcome{ok, Dump(&doc), out, doc.GetName()};
}

TEST(ConfigReader, GoldenTable) {
  TempDir dir;
  int n = 0;
  for (const ReadCase& c : Cases()) {
    std::vector<std::pair<const char*, Outcome>> runs;
    if (c.via != kFile) runs.emplace_back("Parse", ReadText(c.input));
    if (c.via != kText) {
      runs.emplace_back("ReadFile", ReadPath(dir.Write("case" + std::to_string(n) + ".cfg",
                                                       c.input)));
    }
    ++n;
    for (const auto& run : runs) {
      SCOPED_TRACE(std::string(c.label) + " via " + run.first);
      EXPECT_EQ(c.ok, run.second.ok);
      EXPECT_EQ(c.dump, run.second.dump);
      EXPECT_EQ(c.out, run.second.out);
      EXPECT_EQ(c.docName, run.second.name);
    }
  }
}

TEST(ConfigReader, FailedOpenLeavesDocumentUntouched) {
  TempDir dir;
  const std::string empty = dir.Write("empty.cfg", "");
  const std::string paths[] = {dir.path() + "/missing.cfg", empty, dir.path()};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    CFGDocument doc;
    doc.SetName("Keep");
    doc.CreateChildNode("a", "1");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(doc.ReadFile(path));
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
    EXPECT_EQ("Keep", doc.GetName());
    EXPECT_EQ("a=1", Dump(&doc));
  }
}

TEST(ConfigReader, ReadsAppendToTheTree) {
  TempDir dir;
  const std::string file = dir.Write("worked.cfg", kWorked);
  CFGDocument doc;
  ASSERT_TRUE(doc.ReadFile(file));
  ASSERT_TRUE(doc.ReadFile(file));
  EXPECT_EQ(
      "level{ground=map/ground.png},player{posx=120,health=100},"
      "level{ground=map/ground.png},player{posx=120,health=100}",
      Dump(&doc));

  // A brace mismatch adds nothing; a } at the top level keeps what came before it.
  testing::internal::CaptureStdout();
  EXPECT_FALSE(doc.Parse("z=1;{"));
  EXPECT_EQ("scope err\n", testing::internal::GetCapturedStdout());
  EXPECT_FALSE(doc.Parse("z=1;}{"));
  EXPECT_EQ(
      "level{ground=map/ground.png},player{posx=120,health=100},"
      "level{ground=map/ground.png},player{posx=120,health=100},z=1",
      Dump(&doc));
}

TEST(ConfigReader, LoaderWalkOverWorkedExample) {
  TempDir dir;
  CFGDocument doc;
  ASSERT_TRUE(doc.ReadFile(dir.Write("worked.cfg", kWorked)));
  CFGNode* level = doc.GetFirstChild();
  ASSERT_NE(nullptr, level);
  CFGNode* player = level->GetNextNode();
  ASSERT_NE(nullptr, player);
  EXPECT_EQ(nullptr, player->GetNextNode());
  EXPECT_EQ(player, doc.GetFirstChild("player"));
  ASSERT_NE(nullptr, player->GetFirstChild("health"));
  EXPECT_EQ(100, atoi(player->GetFirstChild("health")->GetValue().c_str()));
  EXPECT_EQ(nullptr, player->GetFirstChild("posy"));
  EXPECT_EQ("map/ground.png", level->GetFirstChild("ground")->GetValue());
}

}  // namespace
