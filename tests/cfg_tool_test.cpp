// delvorn-cfg run as a real process on files in a temporary folder.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kTool = DELVORN_BIN_DIR "/delvorn-cfg";

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class CfgTool : public testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/delvorn_cfgtool_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(tmpl));
    dir_ = tmpl;
    ASSERT_EQ(0, access(kTool.c_str(), X_OK)) << kTool << " is not built";
  }
  void TearDown() override {
    if (!dir_.empty()) {
      EXPECT_EQ(0, std::system(("rm -rf '" + dir_ + "'").c_str()));
    }
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // Runs the tool with already quoted arguments.
  Outcome Start(const std::string& args) {
    const std::string out = dir_ + "/stdout";
    const std::string err = dir_ + "/stderr";
    const std::string cmd = "'" + kTool + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(cmd.c_str());
    Outcome r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
  }

  std::string dir_;
};

size_t Lines(const std::string& s) {
  size_t n = 0;
  for (char c : s) n += c == '\n';
  return n;
}

TEST_F(CfgTool, ReadsAndReports) {
  const std::string worked = Write("worked.cfg",
                                   "// first level\r\nlevel = {\r\n  ground = map/ground.png; "
                                   "/* base */\r\n}\r\nplayer = { posx = 120;\r\n  health = 100; }\r\n");
  const std::string comments = Write("comments.cfg", "// nothing here\n/* at all */\n");
  const std::string unbalanced = Write("unbalanced.cfg", "level = {\n  a = 1;\n");
  const std::string closing = Write("closing.cfg", "a = 1;\n}\nb = {\n");
  const std::string empty = Write("empty.cfg", "");
  const std::string q = "'";
  struct Case {
    const char* label;
    std::string args;
    int status;
    std::string out;
    const char* errHas;  // "" when standard error must stay empty
  } cases[] = {
      {"dump", q + worked + q, 0,
       "node: Document\n node: level\n  node: ground, value: map/ground.png\n node: player\n"
       "  node: posx, value: 120\n  node: health, value: 100\n",
       ""},
      {"generate", "--generate " + q + worked + q, 0,
       "level={\n\tground=map/ground.png;\n}\nplayer={\n\tposx=120;\n\thealth=100;\n}\n", ""},
      {"option after the file", q + worked + q + " --generate", 0,
       "level={\n\tground=map/ground.png;\n}\nplayer={\n\tposx=120;\n\thealth=100;\n}\n", ""},
      {"only comments", q + comments + q, 0, "node: Document\n", ""},
      {"only comments, generated", "--generate " + q + comments + q, 0, "", ""},
      {"missing file", q + dir_ + "/missing.cfg" + q, 1, "", "No such file or directory"},
      {"a folder", q + dir_ + q, 1, "", "Is a directory"},
      {"empty file", q + empty + q, 1, "", "empty"},
      {"unbalanced braces", q + unbalanced + q, 1, "scope err\n", "do not balance"},
      {"unbalanced braces, generated", "--generate " + q + unbalanced + q, 1, "scope err\n",
       "do not balance"},
      {"} closes the top level", q + closing + q, 1, "", "closes the top level"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const Outcome r = Start(c.args);
    EXPECT_EQ(c.status, r.status);
    EXPECT_EQ(c.out, r.out);
    if (*c.errHas == '\0') {
      EXPECT_EQ("", r.err);
    } else {
      EXPECT_NE(std::string::npos, r.err.find(c.errHas)) << r.err;
      EXPECT_EQ(0u, r.err.find("delvorn-cfg: ")) << r.err;
      EXPECT_EQ(1u, Lines(r.err)) << r.err;
    }
  }
}

TEST_F(CfgTool, Usage) {
  const Outcome help = Start("--help");
  EXPECT_EQ(0, help.status);
  EXPECT_NE(std::string::npos, help.out.find("--generate"));
  EXPECT_NE(std::string::npos, help.out.find("scope err"));
  EXPECT_EQ("", help.err);

  const std::string file = Write("a.cfg", "a=1;");
  const std::string bad[] = {"", "--generate", "--frobnicate '" + file + "'",
                             "'" + file + "' '" + file + "'"};
  for (const std::string& args : bad) {
    SCOPED_TRACE(args);
    const Outcome r = Start(args);
    EXPECT_EQ(2, r.status);
    EXPECT_EQ("", r.out);
    EXPECT_EQ(0u, r.err.find("usage: delvorn-cfg")) << r.err;
    EXPECT_EQ(1u, Lines(r.err));
  }
}

}  // namespace
