// The writing side: the tree back to configuration text, and the debug dump on standard output.
#include "config/CFGDocument.h"

#include <iostream>

namespace {

// A subtree walk without recursion: the node, the next child to visit and its indent level.
struct Open {
  CFGNode* node;
  size_t next;
  unsigned int depth;
};

unsigned int Deeper(unsigned int depth) {
  return depth < CFG_INDENT_LIMIT ? depth + 1 : depth;
}

}  // namespace

void PShift(unsigned int sh) {
  static const char spaces[] = "                                                                ";
  const unsigned int chunk = sizeof(spaces) - 1;
  while (sh > 0) {
    const unsigned int now = sh < chunk ? sh : chunk;
    std::cout.write(spaces, now);
    sh -= now;
  }
}

bool CFGDocument::Generate(std::string& str) {
  if (_mNodes.empty()) return false;
  for (CFGNode* child : _mNodes) child->_GenerateRecursive(str, std::string());
  return false;
}

bool CFGDocument::SaveFile(std::string) { return true; }

void CFGNode::_Print(std::string& str) {
  if (!_mName.empty()) str += _mName;
  if (!_mValue.empty()) {
    str += '=';
    str += _mValue;
    str += ";\n";
  }
}

void CFGNode::_Walk(const Visit& enter, const Visit& leave) {
  std::vector<Open> stack;
  enter(this, 0);
  stack.push_back(Open{this, 0, 0});
  while (!stack.empty()) {
    Open& top = stack.back();
    if (top.next < top.node->_mNodes.size()) {
      CFGNode* child = top.node->_mNodes[top.next++];
      const unsigned int depth = Deeper(top.depth);
      enter(child, depth);
      stack.push_back(Open{child, 0, depth});
      continue;
    }
    leave(top.node, top.depth);
    stack.pop_back();
  }
}

void CFGNode::_GenerateRecursive(std::string& str, std::string indent) {
  _Walk(
      [&](CFGNode* node, unsigned int depth) {
        str += indent;
        str.append(depth, '\t');
        node->_Print(str);
        if (!node->_mNodes.empty()) str += "={\n";
      },
      [&](CFGNode* node, unsigned int depth) {
        if (node->_mNodes.empty()) return;
        str += indent;
        str.append(depth, '\t');
        str += "}\n";
      });
}

void CFGNode::RecursiveDebugOutput(int shift) {
  // A negative shift would turn into some four billion spaces.
  const unsigned int base = shift < 0 ? 0u : static_cast<unsigned int>(shift);
  _Walk(
      [&](CFGNode* node, unsigned int depth) {
        PShift(base + depth);
        std::cout << "node: " << (node->_mName.empty() ? std::string("unnamed") : node->_mName);
        if (!node->_mValue.empty()) std::cout << ", value: " << node->_mValue;
        std::cout << std::endl;
      },
      [](CFGNode*, unsigned int) {});
}
