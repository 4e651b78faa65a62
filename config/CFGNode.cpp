// The configuration node tree: construction, ownership, lookups and building.
#include "config/CFGDocument.h"

#include <utility>

CFGNode::CFGNode() : _mThisId(-1), _mParentNode(nullptr) {}

CFGNode::CFGNode(std::string name, std::string param)
    : _mName(std::move(name)), _mValue(std::move(param)), _mThisId(-1), _mParentNode(nullptr) {}

CFGNode::CFGNode(std::string name, std::string param, CFGNode* parent)
    : _mName(std::move(name)), _mValue(std::move(param)), _mThisId(-1), _mParentNode(parent) {}

CFGNode::~CFGNode() {
  // A file may nest blocks a million deep, so the subtree is freed with an explicit stack rather
  // than by recursive destructors. The order stays that of a recursive teardown: each child's
  // whole subtree, in index order, before the next child. A node is deleted only once its own
  // list is empty, so its destructor does no further work.
  if (_mNodes.empty()) return;
  struct Open {
    CFGNode* node;
    size_t next;
  };
  std::vector<Open> stack;
  stack.push_back(Open{this, 0});
  while (!stack.empty()) {
    Open& top = stack.back();
    if (top.next < top.node->_mNodes.size()) {
      CFGNode* child = top.node->_mNodes[top.next++];
      if (child == nullptr) continue;
      if (child->_mNodes.empty()) {
        delete child;
      } else {
        stack.push_back(Open{child, 0});
      }
      continue;
    }
    CFGNode* done = top.node;
    done->_mNodes.clear();
    stack.pop_back();
    if (done != this) delete done;
  }
}

std::string CFGNode::GetName() const { return _mName; }

std::string CFGNode::GetValue() const { return _mValue; }

void CFGNode::SetName(std::string name) { _mName = std::move(name); }

void CFGNode::SetValue(std::string value) { _mValue = std::move(value); }

CFGNode* CFGNode::GetFirstChild() { return _mNodes.empty() ? nullptr : _mNodes[0]; }

CFGNode* CFGNode::GetFirstChild(std::string name) {
  for (CFGNode* child : _mNodes) {
    if (child->_mName == name) return child;
  }
  return nullptr;
}

CFGNode* CFGNode::GetNextNode() { return _FindNextNode(this); }

CFGNode* CFGNode::_FindNextNode(CFGNode* node) {
  if (_mParentNode == nullptr || node == nullptr) return nullptr;
  // Bounds-checked against the parent's list rather than trusting the index.
  const long long next = static_cast<long long>(_mThisId) + 1;
  if (next < 0 || next >= static_cast<long long>(_mParentNode->_mNodes.size())) return nullptr;
  return _mParentNode->_mNodes[static_cast<size_t>(next)];
}

void CFGNode::_InsertNode(CFGNode* node) {
  if (node == nullptr) return;
  node->_mThisId = static_cast<int>(_mNodes.size());
  _mNodes.push_back(node);
}

CFGNode* CFGNode::CreateChildNode() { return CreateChildNode(std::string(), std::string()); }

CFGNode* CFGNode::CreateChildNode(std::string name) {
  return CreateChildNode(std::move(name), std::string());
}

CFGNode* CFGNode::CreateChildNode(std::string name, std::string value) {
  CFGNode* child = new CFGNode(std::move(name), std::move(value), this);
  _InsertNode(child);
  return child;
}
