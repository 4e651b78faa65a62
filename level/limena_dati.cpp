// Reading a level for the tools: the same walk as the game's loaders, kept as data.
#include "level/limena_dati.h"

#include "config/CFGDocument.h"
#include "config/CFGIemesls.h"
#include "field/bildes_parbaude.h"
#include "field/zeme.h"
#include "objects/skaitli.h"

namespace {

std::string Vertiba(CFGNode* n, const char* atslega, const std::string& nav = "") {
  CFGNode* k = n->GetFirstChild(atslega);
  return k ? k->GetValue() : nav;
}

void Sekvences(CFGNode* bloks, LimenaDati& d) {
  for (CFGNode* n = bloks->GetFirstChild(); n; n = n->GetNextNode()) {
    LimenaSekvence s;
    s.vards = n->GetName();
    s.attels = Vertiba(n, "image");
    s.kadri = LasitSkaitli(Vertiba(n, "frames", "1"));
    if (s.kadri == 0) s.kadri = 1;
    SDL_Surface* b = s.attels.empty() ? nullptr : IeladetBildi(s.attels.c_str(), LOMA_SLOKSNE);
    s.ieladejas = b != nullptr;
    if (b) SDL_FreeSurface(b);
    d.sekvences.push_back(s);
  }
}

void Objekts(CFGNode* n, LimenaDati& d) {
  LimenaObjekts o;
  o.mezgls = n->GetName();
  o.spraits = Vertiba(n, "sprite");
  // The game finds the first sequence of the name that loaded before this object.
  if (n->GetFirstChild("sprite"))
    for (size_t i = 0; i < d.sekvences.size(); i++)
      if (d.sekvences[i].ieladejas && d.sekvences[i].vards == o.spraits) {
        o.sekvence = (int)i;
        break;
      }
  o.klase = LasitSkaitli(Vertiba(n, "classID", "1"));
  o.x = KaaZimigs(LasitSkaitli(Vertiba(n, "posx", "0")));
  o.y = KaaZimigs(LasitSkaitli(Vertiba(n, "posy", "0")));
  o.radiuss = KaaZimigs(LasitSkaitli(Vertiba(n, "radius", "0")));
  o.vertiba = LasitSkaitli(Vertiba(n, "value", "0"));
  o.zinja = Vertiba(n, "message");
  d.objekti.push_back(o);
}

}  // namespace

bool LasitLimenaDatus(const std::string& cels, LimenaDati& d, std::string& kluda) {
  d = LimenaDati();
  CFGDocument doc;
  if (!CFGLasitKlusi(doc, cels, kluda)) return false;
  for (CFGNode* n = doc.GetFirstChild(); n; n = n->GetNextNode()) {
    const std::string vards = n->GetName();
    if (vards == "images") {
      Sekvences(n, d);
    } else if (vards == "level") {
      const std::string z = Vertiba(n, "ground"), s1 = Vertiba(n, "layer1"),
                        s2 = Vertiba(n, "layer2");
      if (n->GetFirstChild("nextlevel")) {
        d.ir_nakamais = true;
        d.nakamais = Vertiba(n, "nextlevel");
      }
      if (!z.empty() && !s1.empty() && !s2.empty()) {
        d.ir_limenis = true;
        d.zeme = z;
        d.slanis1 = s1;
        d.slanis2 = s2;
      }
    } else if (vards == "player") {
      // Each section starts from the defaults, as the loader applies it.
      d.ir_speletajs = true;
      d.x = KaaZimigs(LasitSkaitli(Vertiba(n, "posx", "400")));
      d.y = KaaZimigs(LasitSkaitli(Vertiba(n, "posy", "300")));
      d.veseliba = Vertiba(n, "health", "100");
      d.baterija = Vertiba(n, "battery", "1");
    } else {
      Objekts(n, d);
    }
  }
  return true;
}

SDL_Surface* IeladetFiksetu(const std::string& cels, bool maska, std::string* iemesls) {
  BildesIznakums iznakums;
  SDL_Surface* s = IeladetBildi(cels.c_str(), maska ? LOMA_SIETS : LOMA_LAUKS, &iznakums);
  if (!s) {
    if (iemesls) *iemesls = iznakums.iemesls;
    return nullptr;
  }
  SDL_Surface* v = SietaFormata(s);
  SDL_FreeSurface(s);
  if (!v && iemesls) *iemesls = SDL_GetError();
  return v;
}
