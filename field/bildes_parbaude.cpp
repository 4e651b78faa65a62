// Reading picture headers, the caps by use, and the checked load.
#include "field/bildes_parbaude.h"

#include <SDL_image.h>
#include <errno.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include <atomic>
#include <thread>

namespace {

std::string Teksts(const char* formats, ...) {
  char buf[320];
  va_list a;
  va_start(a, formats);
  vsnprintf(buf, sizeof(buf), formats, a);
  va_end(a);
  return buf;
}

unsigned long Be32(const unsigned char* b) {
  return (unsigned long)b[0] << 24 | (unsigned long)b[1] << 16 | (unsigned long)b[2] << 8 | b[3];
}
unsigned Le16(const unsigned char* b) { return (unsigned)b[1] << 8 | b[0]; }
long long Le32Zimigs(const unsigned char* b) {
  const unsigned long u =
      (unsigned long)b[3] << 24 | (unsigned long)b[2] << 16 | (unsigned long)b[1] << 8 | b[0];
  return u >= 0x80000000ul ? (long long)u - 0x100000000ll : (long long)u;
}

// A small forward reader over the stream for the JPEG marker walk: bytes come from a buffer,
// long skips become seeks.
struct Lasitajs {
  SDL_RWops* src;
  unsigned char buf[4096];
  int ir = 0;    // bytes in buf
  int poz = 0;   // next byte in buf
  long long nolasits = 0;  // stream offset of buf[ir]

  bool Baits(unsigned& b) {
    if (poz == ir) {
      const int n = SDL_RWread(src, buf, 1, sizeof(buf));
      if (n <= 0) return false;
      ir = n;
      poz = 0;
      nolasits += n;
    }
    b = buf[poz++];
    return true;
  }
  bool Divi(unsigned& v) {
    unsigned a, b;
    if (!Baits(a) || !Baits(b)) return false;
    v = a << 8 | b;
    return true;
  }
  long long Vieta() const { return nolasits - (ir - poz); }
  bool Izlaist(long long n) {
    if (n <= ir - poz) {
      poz += (int)n;
      return true;
    }
    const long long merkis = Vieta() + n;
    if (SDL_RWseek(src, (int)merkis, RW_SEEK_SET) < 0) return false;
    nolasits = merkis;
    ir = poz = 0;
    return true;
  }
};

// Frame headers that carry the image size: SOF0-SOF15 but DHT (C4), JPG (C8) and DAC (CC).
bool IrKadraGalva(unsigned m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }

const int JPEG_MAX_SEGMENTI = 10000;
const long long JPEG_MAX_MEKLET = 16ll << 20;

enum JpegSolis { SOLIS_TALAK, SOLIS_IZMERS, SOLIS_BEZ_KADRA, SOLIS_ISS };

// One marker of the walk: skips what stands between segments, reads the marker and either
// takes the frame size or steps over the segment.
JpegSolis JpegMarkieris(Lasitajs& l, BildesGalva& g) {
  unsigned b = 0;
  // Bytes other than 0xFF between segments are skipped, as the decoder does.
  while (b != 0xFF) {
    if (l.Vieta() >= JPEG_MAX_MEKLET) return SOLIS_TALAK;  // the walk ends there
    if (!l.Baits(b)) return SOLIS_ISS;
  }
  while (b == 0xFF)
    if (!l.Baits(b)) return SOLIS_ISS;
  if (b == 0x00) return SOLIS_TALAK;  // a stuffed zero, not a marker
  if (IrKadraGalva(b)) {
    unsigned garums, precizitate, h, w;
    if (!l.Divi(garums) || !l.Baits(precizitate) || !l.Divi(h) || !l.Divi(w)) return SOLIS_ISS;
    g.w = w;
    g.h = h;
    return SOLIS_IZMERS;
  }
  if (b == 0xD8 || b == 0xD9 || b == 0xDA) return SOLIS_BEZ_KADRA;
  if ((b >= 0xD0 && b <= 0xD7) || b == 0x01) return SOLIS_TALAK;  // markers without a length
  unsigned garums;
  if (!l.Divi(garums)) return SOLIS_ISS;
  if (garums > 2 && !l.Izlaist(garums - 2)) return SOLIS_ISS;
  return SOLIS_TALAK;
}

// Walks the markers as the JPEG decoder does and takes the size of the first frame header.
bool LasitJpegIzmeru(SDL_RWops* src, BildesGalva& g, std::string& iemesls) {
  Lasitajs l;
  l.src = src;
  l.nolasits = 2;
  JpegSolis solis = SDL_RWseek(src, 2, RW_SEEK_SET) < 0 ? SOLIS_ISS : SOLIS_TALAK;
  for (int k = 0; solis == SOLIS_TALAK && k < JPEG_MAX_SEGMENTI && l.Vieta() < JPEG_MAX_MEKLET; k++)
    solis = JpegMarkieris(l, g);
  switch (solis) {
    case SOLIS_IZMERS: return true;
    case SOLIS_BEZ_KADRA: iemesls = "its JPEG data has no frame header before its image data"; break;
    case SOLIS_ISS: iemesls = "its JPEG header is cut short"; break;
    default: iemesls = "its JPEG data has no frame header within its first 16 MiB"; break;
  }
  return false;
}

const char* LomasVards(BildesLoma loma) {
  switch (loma) {
    case LOMA_LAUKS: return "a field picture";
    case LOMA_SIETS: return "a field mask";
    case LOMA_SLOKSNE: return "an animation strip";
    default: return "a picture";
  }
}

}  // namespace

bool LasitBildesGalvu(SDL_RWops* src, BildesGalva& g, std::string& iemesls) {
  g = BildesGalva();
  unsigned char b[32];
  memset(b, 0, sizeof(b));
  const int n = SDL_RWread(src, b, 1, sizeof(b));
  static const unsigned char PNG[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (n >= 8 && memcmp(b, PNG, 8) == 0) {
    g.formats = BILDE_PNG;
    // The first chunk is IHDR: length 13, then width and height, big-endian.
    if (n < 24) {
      iemesls = "its PNG header is cut short";
      return false;
    }
    if (memcmp(b + 12, "IHDR", 4) != 0 || Be32(b + 8) != 13) {
      iemesls = "its PNG header is damaged (no IHDR chunk first)";
      return false;
    }
    g.w = (long long)Be32(b + 16);
    g.h = (long long)Be32(b + 20);
    return true;
  }
  if (n >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) {
    g.formats = BILDE_JPEG;
    return LasitJpegIzmeru(src, g, iemesls);
  }
  if (n >= 2 && b[0] == 'B' && b[1] == 'M') {
    g.formats = BILDE_BMP;
    // After the 14-byte file header: the info header's size, then the size of the picture,
    // 16-bit in the old 12-byte header and 32-bit signed in every later one.
    if (n >= 22 && Le32Zimigs(b + 14) == 12) {
      g.w = Le16(b + 18);
      g.h = Le16(b + 20);
      return true;
    }
    if (n < 26) {
      iemesls = "its BMP header is cut short";
      return false;
    }
    g.w = Le32Zimigs(b + 18);
    g.h = Le32Zimigs(b + 22);
    if (g.h < 0) g.h = -g.h;  // rows stored top-down
    return true;
  }
  iemesls = n == 0 ? "is empty, not a PNG, JPEG or BMP picture"
                   : "is not a PNG, JPEG or BMP picture";
  return false;
}

std::string ParbauditGalvu(const BildesGalva& g, BildesLoma loma, long long parejie_pikseli) {
  if (g.w <= 0 || g.h <= 0)
    return Teksts("declares %lld x %lld pixels, an empty picture", g.w, g.h);
  const int max_w = loma == LOMA_SLOKSNE ? SLOKSNES_MAX_PLATUMS : LAUKA_MAX_MALA;
  const int max_h = loma == LOMA_SLOKSNE ? SLOKSNES_MAX_AUGSTUMS : LAUKA_MAX_MALA;
  if (g.w > max_w || g.h > max_h)
    return Teksts("declares %lld x %lld pixels, above the %d x %d cap of %s", g.w, g.h, max_w,
                  max_h, LomasVards(loma));
  if (loma == LOMA_SIETS && g.formats == BILDE_JPEG)
    return "is a JPEG, and a field mask must be lossless (PNG or BMP): JPEG changes its bytes";
  if (parejie_pikseli >= 0 && g.w * g.h > parejie_pikseli)
    return Teksts("its %lld x %lld pixels would take the level's sequence pictures past %lld "
                  "pixels",
                  g.w, g.h, LIMENA_SEKVENCU_PIKSELI);
  return std::string();
}

namespace {

// Opens the file and checks its header; the open stream when the picture may be decoded.
SDL_RWops* AtvertParbauditu(const char* fails, BildesLoma loma, BildesIznakums& iz,
                            long long parejie_pikseli) {
  iz = BildesIznakums();
  if (!fails) {
    iz.iemesls = "no file named";
    return NULL;
  }
  struct stat st;
  if (stat(fails, &st) == 0 && S_ISDIR(st.st_mode)) {
    iz.iemesls = "cannot be read: it is a folder";
    return NULL;
  }
  // A pipe or a device could keep the game waiting on its first byte, or never end.
  if (stat(fails, &st) == 0 && !S_ISREG(st.st_mode)) {
    iz.stavoklis = BILDE_ATTEIKTA;
    iz.iemesls = "is not a plain file (a device or a pipe)";
    return NULL;
  }
  errno = 0;
  SDL_RWops* src = SDL_RWFromFile(fails, "rb");
  if (!src) {
    iz.iemesls = Teksts("cannot be opened: %s", errno ? strerror(errno) : "unknown error");
    return NULL;
  }
  std::string iemesls;
  if (!LasitBildesGalvu(src, iz.galva, iemesls) ||
      !(iemesls = ParbauditGalvu(iz.galva, loma, parejie_pikseli)).empty()) {
    SDL_RWclose(src);
    iz.stavoklis = BILDE_ATTEIKTA;
    iz.iemesls = iemesls;
    return NULL;
  }
  iz.stavoklis = BILDE_LABA;
  return src;
}

}  // namespace

bool ParbauditBildi(const char* fails, BildesLoma loma, BildesIznakums& iz,
                    long long parejie_pikseli) {
  SDL_RWops* src = AtvertParbauditu(fails, loma, iz, parejie_pikseli);
  if (!src) return false;
  SDL_RWclose(src);
  return true;
}

SDL_Surface* IeladetBildi(const char* fails, BildesLoma loma, BildesIznakums* iznakums,
                          long long parejie_pikseli) {
  BildesIznakums vietejais;
  BildesIznakums& iz = iznakums ? *iznakums : vietejais;
  SDL_RWops* src = AtvertParbauditu(fails, loma, iz, parejie_pikseli);
  if (!src) return NULL;
  // The decoder of the format the header showed, never a guess from the file name.
  SDL_Surface* s = NULL;
  if (SDL_RWseek(src, 0, RW_SEEK_SET) == 0) {
    switch (iz.galva.formats) {
      case BILDE_PNG: s = IMG_LoadPNG_RW(src); break;
      case BILDE_JPEG: s = IMG_LoadJPG_RW(src); break;
      case BILDE_BMP: s = IMG_LoadBMP_RW(src); break;
      default: break;
    }
  }
  SDL_RWclose(src);
  iz.stavoklis = BILDE_NEDEKODEJAS;
  if (!s) {
    const char* kluda = IMG_GetError();
    iz.iemesls = Teksts("cannot be decoded: %s", kluda && *kluda ? kluda : "damaged data");
    return NULL;
  }
  if (s->w != iz.galva.w || s->h != iz.galva.h) {
    iz.iemesls = Teksts("decodes as %d x %d pixels, unlike the %lld x %lld its header declares",
                        s->w, s->h, iz.galva.w, iz.galva.h);
    SDL_FreeSurface(s);
    return NULL;
  }
  iz.stavoklis = BILDE_LABA;
  return s;
}

void IeladetBildes(BildesDarbs* darbi, int n) {
  // The decoders' libraries are loaded once here, before two threads could both try.
  IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
  std::atomic<int> nakamais(0);
  auto strada = [&]() {
    for (int i = nakamais++; i < n; i = nakamais++) {
      BildesDarbs& d = darbi[i];
      d.bilde = IeladetBildi(d.fails.c_str(), d.loma, &d.iznakums, d.parejie_pikseli);
      d.ir_xrgb = false;
      if (!d.bilde || !d.uz_xrgb) continue;
      if (SDL_Surface* kopija = UzXrgb(d.bilde, d.ar_alfu && d.bilde->format->Amask)) {
        SDL_FreeSurface(d.bilde);
        d.bilde = kopija;
        d.ir_xrgb = true;
      }
    }
  };
  if (n <= 1) {
    strada();
    return;
  }
  std::thread otrs(strada);
  strada();
  otrs.join();
}

SDL_Surface* IeladetSavuBildi(const char* fails, BildesLoma loma) {
  BildesIznakums iz;
  SDL_Surface* s = IeladetBildi(fails, loma, &iz);
  if (iz.stavoklis == BILDE_ATTEIKTA) {
    fprintf(stderr, "%s: %s\n", fails, iz.iemesls.c_str());
    fflush(stderr);
  }
  return s;
}
