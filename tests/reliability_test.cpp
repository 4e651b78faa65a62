// Broken level files and pictures (tests/broken/, written by make_corpus.py there) loaded
// through the game's real code: the checked way in for pictures, the play flow's level load,
// the field and the object manager. Nothing crashes, and each file gives its expected line on
// standard error, or the silence its case asks for.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <list>
#include <string>

#include "digger/racejs.h"
#include "field/bildes_parbaude.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "tests/support/testutil.h"

namespace {

const std::string BROKEN = std::string(DELVORN_SOURCE_DIR) + "/tests/broken";

int Lines(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + 1)) n++;
  return n;
}

class Broken : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    OpenTestScreen();
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
    L1 = new Laukums(0, 0, "map/pamats1.bmp", "map/pamats1.bmp", "map/pamats1.bmp");
    pirmais = new Speletajs(250, 390, 1);
    mainmenu = new MainScreen();
  }
  static void TearDownTestSuite() {
    delete mainmenu;
    mainmenu = nullptr;
    delete pirmais;
    pirmais = nullptr;
    delete L1;
    L1 = nullptr;
  }
  void SetUp() override {
    if (!L1->Siets) GTEST_SKIP() << "the run folder has no placeholder field";
    c.paku_mgr = &mgr;
  }
  // The play flow's load of a level in tests/broken, with the pictures it names beside it.
  bool Load(const std::string& level) {
    EXPECT_EQ(chdir(BROKEN.c_str()), 0);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    bool ok = IeladetSpelei(c, level);
    out = testing::internal::GetCapturedStdout();
    err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(chdir(DELVORN_BIN_DIR), 0);
    return ok;
  }
  PakuMenedzeris mgr;
  SpelesCikls c{};
  std::string out, err;
};

}  // namespace

TEST(BrokenPictures, TheHeaderDecidesBeforeAnythingIsDecoded) {
  OpenTestScreen();
  const BildesStavoklis OK = BILDE_LABA, NO = BILDE_ATTEIKTA;
  struct {
    const char* file;
    BildesLoma use;
    BildesStavoklis state;
    const char* reason;  // part of the reason; empty when loaded
  } cases[] = {
      {"huge_valid.png", LOMA_LAUKS, NO, "declares 16000 x 33000 pixels, above the 4096 x 4096 cap"},
      {"overflow.png", LOMA_BILDE, NO, "declares 16383 x 65535 pixels"},
      {"field_4097.png", LOMA_SIETS, NO, "4097 x 600 pixels, above the 4096 x 4096 cap of a field mask"},
      {"strip_tall.png", LOMA_SLOKSNE, NO, "64 x 300 pixels, above the 4096 x 256 cap of an animation strip"},
      {"strip_tall.png", LOMA_LAUKS, OK, ""},
      {"strip_wide.png", LOMA_SLOKSNE, NO, "5000 x 32 pixels"},
      {"zero.png", LOMA_BILDE, NO, "declares 0 x 600 pixels, an empty picture"},
      {"truncated.png", LOMA_BILDE, NO, "its PNG header is cut short"},
      {"no_ihdr.png", LOMA_BILDE, NO, "no IHDR chunk first"},
      {"not_picture.png", LOMA_BILDE, NO, "is not a PNG, JPEG or BMP picture"},
      {"empty.png", LOMA_BILDE, NO, "is empty, not a PNG, JPEG or BMP picture"},
      {"gif.png", LOMA_BILDE, NO, "is not a PNG, JPEG or BMP picture"},
      {"huge.jpg", LOMA_BILDE, NO, "declares 60000 x 60000 pixels"},
      {"no_frame.jpg", LOMA_BILDE, NO, "no frame header before its image data"},
      {"bmp_huge.bmp", LOMA_BILDE, NO, "declares 30000 x 30000 pixels"},
      {"bmp_os2_wide.bmp", LOMA_LAUKS, NO, "declares 5000 x 10 pixels"},
      {"bmp_short.bmp", LOMA_BILDE, NO, "its BMP header is cut short"},
      {"bmp_negative.bmp", LOMA_BILDE, NO, "declares -800 x 600 pixels, an empty picture"},
      {"mask.jpg", LOMA_SIETS, NO, "a field mask must be lossless (PNG or BMP)"},
      {"mask.jpg", LOMA_LAUKS, OK, ""},
      {"mask_800.png", LOMA_SIETS, OK, ""},
      {"damaged.png", LOMA_LAUKS, BILDE_NEDEKODEJAS, "cannot be decoded: "},
      {"nav.png", LOMA_LAUKS, BILDE_NAV, "cannot be opened: No such file or directory"},
      {".", LOMA_LAUKS, BILDE_NAV, "cannot be read: it is a folder"},
      {"/dev/zero", LOMA_SLOKSNE, NO, "is not a plain file (a device or a pipe)"},
      // The name does not choose the decoder: PNG bytes named .tga decode as the PNG they are.
      {"png_named.tga", LOMA_SLOKSNE, OK, ""},
  };
  ASSERT_EQ(chdir(BROKEN.c_str()), 0);
  for (auto& k : cases) {
    BildesIznakums iz;
    testing::internal::CaptureStderr();
    SDL_Surface* s = IeladetBildi(k.file, k.use, &iz);
    testing::internal::GetCapturedStderr();  // the decoders' own complaints, if any
    EXPECT_EQ(iz.stavoklis, k.state) << k.file << ": " << iz.iemesls;
    EXPECT_EQ(s != nullptr, k.state == OK) << k.file;
    EXPECT_NE(iz.iemesls.find(k.reason), std::string::npos) << k.file << ": " << iz.iemesls;
    if (k.state == OK) {
      EXPECT_EQ(iz.iemesls, "") << k.file;
    }
    if (s) {
      EXPECT_EQ(s->w, iz.galva.w) << k.file;
      EXPECT_EQ(s->h, iz.galva.h) << k.file;
      SDL_FreeSurface(s);
    }
  }
  ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
}

TEST_F(Broken, ALevelLoadsWholeOrLeavesTheRunningGameAsItWas) {
  // Each refused level would also move the digger, bring objects and name a next level.
  const std::string rest = "nextlevel = other.cfg; } player = { posx = 5; posy = 6; "
                           "health = 7; battery = 8; } kit = { classID = 20; } gate = { }";
  auto Level = [&](const char* mask, const char* layer1, const char* layer2) {
    const std::string name = std::string("refused_") + mask + "_" + layer2 + ".cfg";
    WriteFile(BROKEN + "/" + name, std::string("level = { ground = ") + mask + "; layer1 = " +
                                       layer1 + "; layer2 = " + layer2 + "; " + rest);
    return name;
  };
  struct {
    const char *mask, *layer1, *layer2;
    const char* reason;  // after the file's name; null: the level loads
  } cases[] = {
      {"huge_valid.png", "layer_800.png", "layer_800.png", "huge_valid.png: declares 16000 x "
       "33000 pixels, above the 4096 x 4096 cap of a field mask"},
      {"mask_800.png", "overflow.png", "layer_800.png", "overflow.png: declares 16383 x 65535 "
       "pixels, above the 4096 x 4096 cap of a field picture"},
      {"field_4097.png", "layer_800.png", "layer_800.png", "field_4097.png: declares 4097 x 600"},
      {"mask.jpg", "layer_800.png", "layer_800.png", "mask.jpg: is a JPEG, and a field mask must "
       "be lossless"},
      {"mask_1600.png", "layer_800.png", "layer_800.png", "layer_800.png: is 800 x 600 pixels, "
       "unlike the mask's 1600 x 1200"},
      {"layer_640.png", "layer_640.png", "layer_640.png", "layer_640.png: 640 x 480 pixels is "
       "smaller than the 800 x 600 view"},
      {"mask_800.png", "layer_800.png", "nav.png", "nav.png: cannot be opened: No such file"},
      {"mask_800.png", "damaged.png", "layer_800.png", "damaged.png: cannot be decoded: "},
      {"mask_800.png", "layer_800.png", "not_picture.png", "not_picture.png: is not a PNG, JPEG "
       "or BMP picture"},
      {"mask_800.png", "layer_800.png", ".", ".: cannot be read: it is a folder"},
      {"mask_800.png", "layer_800.png", "layer.jpg", nullptr},
  };
  ASSERT_TRUE(Load("field_partial.cfg"));  // the running game
  limenis = "running.cfg";
  nakamais_limenis = "next.cfg";
  mgr.PievienotPaku(new PakuMenedzeris::Pk);
  for (auto& k : cases) {
    const std::string level = Level(k.mask, k.layer1, k.layer2);
    SCOPED_TRACE(level);
    pirmais->pozx = 321;
    pirmais->Veseliba = 64;
    pirmais->baterijas = 55000;
    mainmenu->selected_screen = 4;
    SDL_Surface* before[3] = {L1->Siets, L1->Pamats, L1->Zeme};
    const std::list<PakuMenedzeris::Pk*> objects = mgr.pakas;
    EXPECT_EQ(Load(level), k.reason == nullptr);
    SDL_Surface* after[3] = {L1->Siets, L1->Pamats, L1->Zeme};
    if (k.reason) {
      const std::string line = "delvorn: the level \"" + level + "\" could not be loaded: ";
      EXPECT_NE(err.find(line + k.reason), std::string::npos) << err;
      EXPECT_EQ(Lines(err, "delvorn: "), 1) << err;  // libpng may add its own line
      for (int i = 0; i < 3; i++) EXPECT_EQ(after[i], before[i]) << "layer " << i;
      EXPECT_EQ(mgr.pakas, objects);
      EXPECT_FLOAT_EQ(pirmais->pozx, 321);
      EXPECT_FLOAT_EQ(pirmais->Veseliba, 64);
      EXPECT_EQ(pirmais->baterijas, 55000);
      EXPECT_EQ(limenis, "running.cfg");
      EXPECT_EQ(nakamais_limenis, "next.cfg");
      EXPECT_EQ(mainmenu->selected_screen, 3u) << "a panel says the level did not load";
      EXPECT_EQ(mainmenu->text, NEIELADEJAS_ZINJA + level);
    } else {
      for (int i = 0; i < 3; i++) EXPECT_NE(after[i], before[i]) << "layer " << i;
      EXPECT_EQ(err, "");
      EXPECT_EQ(mgr.pakas.size(), 2u);
      EXPECT_FLOAT_EQ(pirmais->pozx, 5);
      EXPECT_EQ(pirmais->baterijas, 8000);
      EXPECT_EQ(limenis, level);
      EXPECT_EQ(nakamais_limenis, "other.cfg");
      EXPECT_EQ(mainmenu->selected_screen, 0u);
    }
    EXPECT_EQ(L1->Siets->w, L1->Zeme->w);
    EXPECT_EQ(L1->Siets->h, L1->Pamats->h);
    unlink((BROKEN + "/" + level).c_str());
  }
  // The good mask kept its bytes: a tunnel, a kit marker, poison, plain ground.
  EXPECT_EQ(SietaCietiba(L1->LasitSietu(120, 120)), 0);
  EXPECT_EQ(SietaManta(L1->LasitSietu(150, 250)), 24);
  EXPECT_EQ(SietaZona(L1->LasitSietu(550, 420)), 50);
  EXPECT_EQ(SietaCietiba(L1->LasitSietu(10, 10)), 60);
}

TEST_F(Broken, LevelFilesThatDoNotLoadOrLoadInPart) {
  SDL_Surface* mask = L1->Siets;
  // Two field pictures only: the field keeps its own, silently; the next level still counts.
  nakamais_limenis = "keep.cfg";
  EXPECT_TRUE(Load("field_partial.cfg"));
  EXPECT_EQ(err, "");
  EXPECT_EQ(L1->Siets, mask);
  EXPECT_EQ(nakamais_limenis, "field_good.cfg");
  // Files that do not read: the play flow's one line, the field untouched.
  struct {
    const char* level;
    const char* line;
  } cases[] = {
      {"unbalanced.cfg", "delvorn: the level \"unbalanced.cfg\" could not be loaded: "},
      {"empty.cfg", "delvorn: the level \"empty.cfg\" could not be loaded: the file is empty"},
      {"nav.cfg", "delvorn: the level \"nav.cfg\" could not be loaded: cannot open it"},
  };
  for (auto& k : cases) {
    EXPECT_FALSE(Load(k.level)) << k.level;
    EXPECT_NE(err.find(k.line), std::string::npos) << k.level << ": " << err;
    EXPECT_EQ(L1->Siets, mask) << k.level;
  }
  // Random bytes: whatever they parse to, no crash and no field change.
  Load("binary.cfg");
  EXPECT_EQ(L1->Siets, mask);
}

TEST_F(Broken, EveryBrokenStripIsRefusedAloneAndTheGoodOnesLoad) {
  ASSERT_TRUE(Load("strips.cfg"));
  std::vector<std::string> names;
  for (auto* sv : mgr.sekvences) names.push_back(sv->vards);
  EXPECT_EQ(names, (std::vector<std::string>{"good", "tga", "big1", "big2"}));
  EXPECT_EQ(mgr.sekvencu_pikseli, 2 * 64 * 32 + 2 * 4096 * 256);
  struct {
    const char* file;
    const char* sequence;
    const char* reason;
  } cases[] = {
      {"strip_tall.png", "tall", "declares 64 x 300 pixels, above the 4096 x 256 cap"},
      {"strip_wide.png", "wide", "declares 5000 x 32 pixels"},
      {"overflow.png", "overflow", "declares 16383 x 65535 pixels"},
      {"empty.png", "empty", "is empty, not a PNG, JPEG or BMP picture"},
      {"not_picture.png", "text", "is not a PNG, JPEG or BMP picture"},
      {"gif.png", "gif", "is not a PNG, JPEG or BMP picture"},
      {"zero.png", "zero", "declares 0 x 600 pixels, an empty picture"},
      {"truncated.png", "trunc", "its PNG header is cut short"},
      {"no_ihdr.png", "noihdr", "its PNG header is damaged (no IHDR chunk first)"},
      {"huge.jpg", "hugejpg", "declares 60000 x 60000 pixels"},
      {"no_frame.jpg", "noframe", "its JPEG data has no frame header"},
      {"bmp_huge.bmp", "bmphuge", "declares 30000 x 30000 pixels"},
      {"bmp_os2_wide.bmp", "os2", "declares 5000 x 10 pixels"},
      {"bmp_short.bmp", "bmpshort", "its BMP header is cut short"},
      {"bmp_negative.bmp", "bmpneg", "declares -800 x 600 pixels"},
      {"damaged_strip.png", "damaged", "cannot be decoded: "},
      {"nav.png", "missing", "cannot be opened: No such file or directory"},
      {".", "folder", "cannot be read: it is a folder"},
  };
  int lines = 0;
  for (auto& k : cases) {
    const std::string head = std::string(k.file) + ": ";
    const std::string line = head + k.reason;
    const size_t at = err.find(line);
    ASSERT_NE(at, std::string::npos) << k.file << ": " << err;
    const size_t end = err.find('\n', at);
    EXPECT_NE(err.substr(at, end - at).find("; the sequence '" + std::string(k.sequence) +
                                            "' is not loaded"),
              std::string::npos)
        << err.substr(at, end - at);
    lines++;
  }
  EXPECT_EQ(Lines(err, "' is not loaded\n"), lines) << err;
  // An object whose sprite was refused is there, without a sequence, and says so.
  EXPECT_NE(out.find("err:objekta 'o2' spraits nav defineets\n"), std::string::npos) << out;
  EXPECT_EQ(mgr.pakas.size(), 3u);
  // The objects draw, refused sprites and all.
  mgr.Zimet(screen, 40);
}

TEST_F(Broken, ALevelsStripsStayWithinTheirPixelBudget) {
  ASSERT_EQ(chdir(BROKEN.c_str()), 0);
  struct {
    long long used;  // pixels already loaded by the level
    bool loads;
  } cases[] = {
      {0, true},
      {LIMENA_SEKVENCU_PIKSELI - 64 * 32, true},
      {LIMENA_SEKVENCU_PIKSELI - 64 * 32 + 1, false},
      {LIMENA_SEKVENCU_PIKSELI, false},
  };
  for (auto& k : cases) {
    mgr.DzestVisu();
    EXPECT_EQ(mgr.sekvencu_pikseli, 0);
    mgr.sekvencu_pikseli = k.used;
    testing::internal::CaptureStderr();
    const bool loaded = mgr.IeladetSekvenci("s", "strip_good.png", 2, 40);
    const std::string e = testing::internal::GetCapturedStderr();
    EXPECT_EQ(loaded, k.loads) << k.used;
    EXPECT_EQ(mgr.sekvencu_pikseli, k.used + (k.loads ? 64 * 32 : 0)) << k.used;
    if (k.loads) {
      EXPECT_EQ(e, "") << k.used;
    } else {
      EXPECT_NE(e.find("strip_good.png: its 64 x 32 pixels would take the level's sequence "
                       "pictures past 64000000 pixels; the sequence 's' is not loaded\n"),
                std::string::npos)
          << e;
    }
  }
  mgr.DzestVisu();
  EXPECT_EQ(mgr.sekvencu_pikseli, 0);
  ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
}

TEST(PictureConversion, TheFastCopyMatchesSdlsConversion) {
  OpenTestScreen();
  struct {
    int bpp;
    Uint32 r, g, b, a;
    bool converts;  // false: the caller must let SDL convert
  } cases[] = {
      {32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000, true},  // PNG with alpha
      {32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0, true},
      {24, 0x000000FF, 0x0000FF00, 0x00FF0000, 0, true},           // PNG and JPEG
      {24, 0x00FF0000, 0x0000FF00, 0x000000FF, 0, true},           // BMP
      {32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, true},
      {32, 0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF, true},
      {16, 0xF800, 0x07E0, 0x001F, 0, false},
      {32, 0x3FF00000, 0x000FFC00, 0x000003FF, 0, false},
  };
  for (auto& k : cases) {
    SDL_Surface* src = SDL_CreateRGBSurface(SDL_SWSURFACE, 37, 5, k.bpp, k.r, k.g, k.b, k.a);
    ASSERT_NE(src, nullptr);
    if (src->format->Rmask != k.r) {  // sdl12-compat has no 10-bit channels: nothing to test
      SDL_FreeSurface(src);
      continue;
    }
    Uint8* p = (Uint8*)src->pixels;
    for (int i = 0; i < src->pitch * src->h; i++) p[i] = (Uint8)(i * 37 + 11);
    for (bool alpha : {false, true}) {
      SDL_Surface* fast = UzXrgb(src, alpha);
      EXPECT_EQ(fast != nullptr, k.converts) << k.bpp << " " << std::hex << k.r;
      if (!fast) continue;
      SDL_Surface* sdl = SDL_CreateRGBSurface(SDL_SWSURFACE, 37, 5, 32, 0x00FF0000, 0x0000FF00,
                                              0x000000FF, alpha ? 0xFF000000 : 0);
      SDL_SetAlpha(src, 0, 255);  // a plain copy, alpha carried over rather than blended
      SDL_BlitSurface(src, NULL, sdl, NULL);
      const Uint32 keep = alpha && k.a ? 0xFFFFFFFFu : 0x00FFFFFFu;
      for (int y = 0; y < 5; y++)
        for (int x = 0; x < 37; x++) {
          const Uint32 want = (PixelAt(sdl, x, y) & keep) | (alpha && !k.a ? 0xFF000000u : 0);
          ASSERT_EQ(PixelAt(fast, x, y), want) << k.bpp << " " << std::hex << k.r << " alpha "
                                               << alpha << " at " << std::dec << x << "," << y;
        }
      SDL_FreeSurface(sdl);
      SDL_FreeSurface(fast);
    }
    SDL_FreeSurface(src);
  }
  // A colour key or a palette needs SDL's own conversion.
  SDL_Surface* keyed = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 24, 0xFF, 0xFF00, 0xFF0000, 0);
  SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, 0);
  EXPECT_EQ(UzXrgb(keyed, false), nullptr);
  SDL_Surface* pal = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 8, 0, 0, 0, 0);
  EXPECT_EQ(UzXrgb(pal, false), nullptr);
  SDL_FreeSurface(keyed);
  SDL_FreeSurface(pal);
}
