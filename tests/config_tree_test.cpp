// The configuration node tree: lookups, sibling links, building and teardown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/CFGDocument.h"

namespace {

// The children of `node` in sibling order, found by GetFirstChild() and GetNextNode().
std::vector<CFGNode*> Walk(CFGNode* node) {
  std::vector<CFGNode*> out;
  for (CFGNode* c = node->GetFirstChild(); c != nullptr; c = c->GetNextNode()) {
    out.push_back(c);
    if (out.size() > 1000) break;  // a broken link must not loop forever
  }
  return out;
}

TEST(ConfigTree, LookupByName) {
  CFGDocument doc;
  CFGNode* children[] = {
      doc.CreateChildNode("level", "1"), doc.CreateChildNode("player"),
      doc.CreateChildNode("level", "2"), doc.CreateChildNode(),
      doc.CreateChildNode("", "x"),
  };
  struct Case {
    const char* query;
    int index;  // -1: none
  } cases[] = {
      {"level", 0},   // the first of two same-named siblings
      {"player", 1},  {"", 3},  // the first unnamed child
      {"Level", -1},  // case-sensitive
      {"leve", -1},   {"level ", -1},  // no prefix match, no trimming
      {"posx", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    EXPECT_EQ(c.index < 0 ? nullptr : children[c.index], doc.GetFirstChild(c.query));
  }
  EXPECT_EQ("2", doc.GetFirstChild("level")->GetNextNode()->GetNextNode()->GetValue());
  // Only direct children are searched.
  children[1]->CreateChildNode("posx", "120");
  EXPECT_EQ(nullptr, doc.GetFirstChild("posx"));
  EXPECT_EQ("120", children[1]->GetFirstChild("posx")->GetValue());
}

TEST(ConfigTree, EmptyNodeAndRootHaveNothingToReturn) {
  CFGDocument doc;
  EXPECT_EQ("", doc.GetName());
  EXPECT_EQ("", doc.GetValue());
  EXPECT_EQ(nullptr, doc.GetFirstChild());
  EXPECT_EQ(nullptr, doc.GetFirstChild("anything"));
  EXPECT_EQ(nullptr, doc.GetFirstChild(""));
  EXPECT_EQ(nullptr, doc.GetNextNode());
  CFGNode* only = doc.CreateChildNode("a", "b");
  EXPECT_EQ(nullptr, only->GetNextNode());
  EXPECT_EQ(nullptr, only->GetFirstChild());
  EXPECT_EQ(nullptr, doc.GetNextNode());
}

TEST(ConfigTree, CreateChildNodeFillsAndAppends) {
  CFGNode root;
  struct Case {
    CFGNode* node;
    const char* name;
    const char* value;
  } cases[] = {
      {root.CreateChildNode(), "", ""},
      {root.CreateChildNode("only"), "only", ""},
      {root.CreateChildNode("k", "v"), "k", "v"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.name, c.node->GetName());
    EXPECT_EQ(c.value, c.node->GetValue());
  }
  // A fourth child gets index 3: the former last child now leads to it, it leads nowhere.
  CFGNode* fourth = root.CreateChildNode("a", "b");
  EXPECT_EQ((std::vector<CFGNode*>{cases[0].node, cases[1].node, cases[2].node, fourth}),
            Walk(&root));
  EXPECT_EQ(fourth, cases[2].node->GetNextNode());
  EXPECT_EQ(nullptr, fourth->GetNextNode());
  // Its parent link is this root: a fifth child follows it.
  CFGNode* fifth = root.CreateChildNode("c", "d");
  EXPECT_EQ(fifth, fourth->GetNextNode());
  // Grandchildren index from 0 again, under their own parent.
  CFGNode* g0 = fourth->CreateChildNode("g0");
  CFGNode* g1 = fourth->CreateChildNode("g1");
  EXPECT_EQ((std::vector<CFGNode*>{g0, g1}), Walk(fourth));
  EXPECT_EQ(5u, Walk(&root).size());
}

TEST(ConfigTree, ConstructorsAndSetters) {
  CFGNode parent;
  // The parent link alone does not insert the node.
  CFGNode* loose = new CFGNode("name", "value", &parent);
  EXPECT_EQ("name", loose->GetName());
  EXPECT_EQ("value", loose->GetValue());
  EXPECT_EQ(nullptr, parent.GetFirstChild());
  delete loose;

  CFGNode free("n", "v");
  EXPECT_EQ("n", free.GetName());
  EXPECT_EQ("v", free.GetValue());
  EXPECT_EQ(nullptr, free.GetNextNode());

  CFGNode* child = parent.CreateChildNode("old", "1");
  child->SetName("new");
  child->SetValue("2");
  EXPECT_EQ(child, parent.GetFirstChild("new"));
  EXPECT_EQ(nullptr, parent.GetFirstChild("old"));
  EXPECT_EQ("2", child->GetValue());
}

TEST(ConfigTree, DestroysDeepAndWideTrees) {
  // Three levels, several children each: valgrind sees every node freed exactly once.
  {
    CFGDocument* doc = new CFGDocument();
    for (int i = 0; i < 3; ++i) {
      CFGNode* a = doc->CreateChildNode("a" + std::to_string(i));
      for (int j = 0; j < 3; ++j) a->CreateChildNode("b", std::to_string(j))->CreateChildNode("c");
    }
    EXPECT_EQ(3u, Walk(doc).size());
    EXPECT_EQ(3u, Walk(doc->GetFirstChild()).size());
    delete doc;
  }
  // A chain a million deep is freed without running out of stack.
  CFGNode* root = new CFGNode();
  CFGNode* tip = root;
  for (int i = 0; i < 1000000; ++i) tip = tip->CreateChildNode("d");
  tip->CreateChildNode("leaf", "1");
  int depth = 0;
  for (CFGNode* n = root->GetFirstChild(); n != nullptr; n = n->GetFirstChild()) ++depth;
  EXPECT_EQ(1000001, depth);
  delete root;
}

}  // namespace
