// The level authors' checker and preview on small levels written by the test.
#include <gtest/gtest.h>
#include <unistd.h>

#include "level/parbaude.h"
#include "tests/support/testutil.h"

namespace {

std::string dir;

std::string Pic(const std::string& name, int w, int h, Uint32 fill) {
  SDL_Surface* s = NewSurface(w, h, fill);
  // A solid block, a dug-out pick-up and zones at known places.
  if (w >= 800 && h >= 600) {
    for (int y = 100; y < 140; y++)
      for (int x = 100; x < 140; x++) PixelAt(s, x, y) = 0x0000C8;  // hardness 200
    PixelAt(s, 500, 500) = 0x000500;                                   // pick-up 5 in a tunnel
    for (int y = 300; y < 320; y++)
      for (int x = 600; x < 640; x++) PixelAt(s, x, y) = 0x0C0000 | (fill & 0xFF);  // chasm 12
    PixelAt(s, 700, 200) = 0x5A0000;  // radiation
  }
  std::string path = dir + "/" + name;
  SaveBmp(s, path);
  SDL_FreeSurface(s);
  return path;
}

std::string Level(const std::string& name, const std::string& text) {
  std::string path = dir + "/" + name;
  WriteFile(path, text);
  return path;
}

std::vector<std::string> Lines(const std::string& level) {
  std::vector<std::string> out;
  for (const LimenaPiezime& p : ParbauditLimeni(level))
    out.push_back(std::string(p.kluda ? "E " : "W ") + p.teksts);
  return out;
}

}  // namespace

TEST(LevelChecker, EachProblemHasItsLine) {
  ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
  dir = MakeTempDir();
  const std::string mask = Pic("mask.bmp", 800, 600, 0x000000);
  const std::string look = Pic("look.bmp", 800, 600, 0x404040);
  const std::string big = Pic("big.bmp", 900, 600, 0x404040);
  const std::string small = Pic("small.bmp", 640, 480, 0);
  WriteFile(dir + "/next.cfg", "player = { }");
  const std::string pics = "level = { ground = " + mask + "; layer1 = " + look + "; layer2 = " +
                           look + "; }\n";
  const std::string seq = "images = { s = { image = ui/obj/izeja.png; frames = 8; } }\n";
  const std::string good = pics + "player = { posx = 300; posy = 300; battery = 60; }\n" + seq +
                           "exit = { sprite = s; classID = 30; posx = 400; posy = 300; "
                           "message = \"Talak\"; }\n";
  struct {
    const char* name;
    std::string text;
    std::vector<std::string> lines;  // every line expected, in order, minus the shared tail
  } cases[] = {
      {"a good level", good, {}},
      {"unbalanced", "player = {", {"E the game cannot read it: its { and } do not balance "
                                    "(comments excluded, quotes included)"}},
      {"empty", "", {"E the game cannot read it: the file is empty"}},
      {"two pictures", "level = { ground = " + mask + "; layer1 = " + look + "; }\n" +
       "player = { posx = 300; posy = 300; battery = 60; } " + seq +
       "exit = { sprite = s; classID = 30; message = x; }",
       {"E no \"level\" section with all three pictures (ground, layer1, layer2): the field "
        "keeps the last level's pictures"}},
      {"a missing picture", "level = { ground = " + mask + "; layer1 = " + dir +
       "/nav.png; layer2 = " + look + "; } player = { posx = 300; posy = 300; battery = 60; }" +
       seq + "exit = { sprite = s; classID = 30; message = x; }",
       {"E layer1 picture \"" + dir + "/nav.png\" is missing"}},
      {"a small mask", "level = { ground = " + small + "; layer1 = " + look + "; layer2 = " +
       look + "; } player = { posx = 300; posy = 300; battery = 60; }" + seq +
       "exit = { sprite = s; classID = 30; message = x; }",
       {"E ground picture \"" + small + "\" is 640 x 480, smaller than 800 x 600"}},
      {"a JPEG mask", "level = { ground = " DELVORN_SOURCE_DIR "/tests/broken/mask.jpg; layer1 = " +
       look + "; layer2 = " + look + "; } player = { posx = 300; posy = 300; battery = 60; }" +
       seq + "exit = { sprite = s; classID = 30; message = x; }",
       {"E ground picture \"" DELVORN_SOURCE_DIR "/tests/broken/mask.jpg\" does not load: is a "
        "JPEG, and a field mask must be lossless (PNG or BMP): JPEG changes its bytes"}},
      {"a look unlike the mask", "level = { ground = " + mask + "; layer1 = " + big +
       "; layer2 = " + look + "; } player = { posx = 300; posy = 300; battery = 60; }" + seq +
       "exit = { sprite = s; classID = 30; message = x; }",
       {"E layer1 picture \"" + big + "\" is 900 x 600, unlike the mask's 800 x 600"}},
      {"nextlevel and numbers", pics + "level = { nextlevel = " + dir + "/nav.cfg; }\n" +
       "player = { posx = 120; posy = 110; battery = abc; health = 0; }" + seq +
       "exit = { sprite = s; classID = 30; message = x; }",
       {"E nextlevel \"" + dir + "/nav.cfg\" does not exist",
        "E battery \"abc\" is 0 or not a number: the level is lost at once",
        "E health \"0\" is 0 or not a number: the digger is dead at once",
        "E the digger's start (120, 110) is in solid ground"}},
      {"outside", pics + "player = { posx = 790; posy = 300; battery = 5; }" + seq +
       "exit = { sprite = s; classID = 30; posx = -4; posy = 10; message = x; }",
       {"E the digger's start (790, 300) is outside the field",
        "E object \"exit\" at (-4, 10) is outside the field"}},
      {"objects", pics + "player = { posx = 300; posy = 300; battery = 5; }" +
       "early = { sprite = s; classID = 31; posx = 5; posy = 5; }\n" + seq +
       "images = { bad = { image = nav.png; } }\n"
       "plain = { classID = 77; posx = 5; posy = 5; }\n"
       "exit = { sprite = s; classID = 30; posx = 9; posy = 9; }",
       {"E sequence \"bad\": its image \"nav.png\" does not load",
        "E object \"early\": its sprite \"s\" is not a loaded sequence defined before it "
        "(err:objekta)",
        "W warning: object \"early\" is a control point without a message: it is taken silently",
        "E object \"plain\" has no sprite (err:objekta): it is never drawn",
        "W warning: object \"plain\": class 77 has no contact rule, touching it does nothing",
        "W warning: object \"exit\" is an exit without a message: the panel shows the last "
        "message again"}},
      {"under the status display",
       pics + "player = { posx = 20; posy = 150; battery = 5; }" + seq +
           "kp = { sprite = s; classID = 31; posx = 40; posy = 560; radius = 12; message = x; }\n"
           "exit = { sprite = s; classID = 30; posx = 100; posy = 60; radius = 12; message = x; }\n"
           "near = { sprite = s; classID = 31; posx = 123; posy = 60; radius = 12; message = x; }",
       {"W warning: the digger's start (20, 150) lies under the battery box, which hides it on "
        "the screen",
        "W warning: object \"kp\" at (40, 560) lies under the bag, which hides it on the screen",
        "W warning: object \"exit\" at (100, 60) lies under the health box, which hides it on "
        "the screen"}},
      {"no player, no exit", pics,
       {"W warning: no \"player\" section: the digger keeps the last level's place, health and "
        "battery",
        "W warning: no exit (class 30): the level cannot be won"}},
  };
  const std::string tunnelPickUp =
      "W warning: 1 mask pick-up pixels lie in open tunnel (the first at (500, 500)): they "
      "stay painted after they are taken";
  for (auto& k : cases) {
    std::vector<std::string> expected = k.lines;
    // Levels whose mask loads also report the pick-up left in the tunnel.
    const bool maskRead = k.text.find(mask) != std::string::npos &&
                          k.text.find("layer2") != std::string::npos;
    if (maskRead) expected.push_back(tunnelPickUp);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Lines(Level("l.cfg", k.text)), expected) << k.name;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << k.name << ": reported only once";
  }
}

TEST(LevelChecker, ThePreviewShowsTheFieldObjectsAndMarks) {
  ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
  if (dir.empty()) dir = MakeTempDir();
  const std::string mask = Pic("pmask.bmp", 800, 600, 0x000000);
  const std::string dug = Pic("dug.bmp", 800, 600, 0x101010);
  const std::string undug = Pic("undug.bmp", 800, 600, 0x804020);
  const std::string level = Level("p.cfg", "level = { ground = " + mask + "; layer1 = " + dug +
                                               "; layer2 = " + undug + "; }\n"
                                               "player = { posx = 300; posy = 300; }\n"
                                               "ghost = { posx = 450; posy = 450; }\n");
  std::string error;
  SDL_Surface* p = LimenaPrieksskats(level, error);
  ASSERT_NE(p, nullptr) << error;
  EXPECT_EQ(p->w, 800);
  EXPECT_EQ(p->h, 600);
  struct {
    int x, y;
    Uint32 colour;
    const char* what;
  } points[] = {
      {120, 120, 0x8040C8 & 0xFFFFFF, "undug ground shows the undug look"},
      {250, 250, 0x101010, "open ground shows the dug-out look"},
      {300, 300, 0x00FFFF, "the digger's start box"},
      {444, 444, 0xFFFFFF, "an object without a picture is boxed"},
  };
  for (auto& k : points) {
    const Uint32 v = PixelAt(p, k.x, k.y) & 0xFFFFFF;
    if (k.x == 120) {
      EXPECT_NE(v, 0x101010u) << k.what;
    } else {
      EXPECT_EQ(v, k.colour) << k.what;
    }
  }
  // The chasm region is hatched red somewhere, the radiation source ringed in yellow.
  int red = 0;
  for (int x = 600; x < 640; x++) red += ((PixelAt(p, x, 310) >> 16) & 0xFF) > 0x80;
  EXPECT_GT(red, 5);
  EXPECT_EQ(PixelAt(p, 707, 200) & 0xFFFFFF, 0xFFE000u);
  SDL_FreeSurface(p);
  EXPECT_EQ(LimenaPrieksskats(dir + "/nav.cfg", error), nullptr);
  EXPECT_EQ(error, "cannot open it: No such file or directory");
}
