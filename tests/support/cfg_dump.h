// A compact golden form of a configuration tree, for comparing parsed trees in tests.
#ifndef DELVORN_TESTS_SUPPORT_CFG_DUMP_H
#define DELVORN_TESTS_SUPPORT_CFG_DUMP_H

#include <string>

#include "config/CFGDocument.h"

// A node's children as name[=value][{children}], joined by ","; an unnamed node is "~".
inline std::string Dump(CFGNode* node) {
  std::string s;
  for (CFGNode* c = node->GetFirstChild(); c != nullptr; c = c->GetNextNode()) {
    if (!s.empty()) s += ',';
    s += c->GetName().empty() ? std::string("~") : c->GetName();
    if (!c->GetValue().empty()) s += "=" + c->GetValue();
    if (c->GetFirstChild() != nullptr) s += "{" + Dump(c) + "}";
  }
  return s;
}

#endif
