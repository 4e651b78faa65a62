// Following "nextlevel" from the first level, quietly: the list is only for showing.
#include "level/kede.h"

#include <algorithm>

#include "config/CFGDocument.h"
#include "config/CFGIemesls.h"

namespace {

// False when the level does not read; else its last "nextlevel" (empty when it names none).
bool Nakamais(const std::string& cels, std::string& nakamais) {
  CFGDocument doc;
  std::string kluda;
  if (!CFGLasitKlusi(doc, cels, kluda)) return false;
  nakamais.clear();
  for (CFGNode* n = doc.GetFirstChild(); n; n = n->GetNextNode())
    if (n->GetName() == "level")
      if (CFGNode* k = n->GetFirstChild("nextlevel")) nakamais = k->GetValue();
  return true;
}

}  // namespace

std::vector<std::string> LimenjuKede(const std::string& pirmais) {
  std::vector<std::string> kede;
  std::string cels = pirmais, nakamais;
  while (!cels.empty() && kede.size() < KEDES_MAX &&
         std::find(kede.begin(), kede.end(), cels) == kede.end() && Nakamais(cels, nakamais)) {
    kede.push_back(cels);
    cels = nakamais;
  }
  return kede;
}
