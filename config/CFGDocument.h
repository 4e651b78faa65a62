// Configuration documents: an ordered tree of named text values, its reader and its writer.
//
// A level file is text of the form `name = value;` and `name = { ... }`, with `//` and `/* */`
// comments and double quotes that keep white space. CFGDocument reads such a file into a tree of
// CFGNode; the loaders then walk it with GetFirstChild() / GetNextNode() / GetFirstChild("key")
// and turn values into numbers themselves (atoi). The tree stores text only.
#ifndef DELVORN_CONFIG_CFGDOCUMENT_H
#define DELVORN_CONFIG_CFGDOCUMENT_H

#include <functional>
#include <string>
#include <vector>

// Writes `sh` spaces to standard output (the indentation of the debug dump).
void PShift(unsigned int sh);

// Deeper levels than this are indented like this level by the writer and the debug dump, so that
// the output of a pathologically deep tree grows with its size, not with its depth squared.
const unsigned int CFG_INDENT_LIMIT = 32;

// One node: a name, a value and the ordered children it owns.
class CFGNode {
  friend class CFGDocument;

 public:
  CFGNode();
  CFGNode(std::string name, std::string param);
  // Sets the parent link only; the creator appends the node with _InsertNode.
  CFGNode(std::string name, std::string param, CFGNode* parent);
  // Frees the whole subtree, children in index order, without recursion.
  virtual ~CFGNode();

  std::string GetName() const;
  std::string GetValue() const;
  void SetName(std::string name);
  void SetValue(std::string value);

  // The child at index 0, or null.
  CFGNode* GetFirstChild();
  // The first direct child whose name equals `name` byte for byte, or null.
  CFGNode* GetFirstChild(std::string name);
  // The parent's child after this one, or null (last child, or a root).
  CFGNode* GetNextNode();

  // Each appends a new last child and returns it; the tree keeps ownership.
  CFGNode* CreateChildNode();
  CFGNode* CreateChildNode(std::string name);
  CFGNode* CreateChildNode(std::string name, std::string value);

  // Prints this node and its subtree on standard output, one line per node, `shift` spaces more
  // per level.
  void RecursiveDebugOutput(int shift);

 private:
  std::string _mName;
  std::string _mValue;
  std::vector<CFGNode*> _mNodes;
  int _mThisId;
  CFGNode* _mParentNode;

  // Appends `node` (ignored when null) and gives it its index; the parent link is the caller's.
  void _InsertNode(CFGNode* node);
  CFGNode* _FindNextNode(CFGNode* node);
  // Fills this node with the children found in `buff` from `start` on. Returns the position of
  // the `}` that closed this node's block, or the text length when the text ran out first.
  unsigned int _ParseRecursive(std::string& buff, int start);
  // Appends this node and its subtree as text, every line prefixed by `indent`.
  void _GenerateRecursive(std::string& str, std::string indent);
  // Appends this node's own name and value part.
  void _Print(std::string& str);
  // Visits this node and its subtree in document order without recursion: `enter` before a
  // node's children, `leave` after them, each with the node's (capped) indent level.
  typedef std::function<void(CFGNode*, unsigned int)> Visit;
  void _Walk(const Visit& enter, const Visit& leave);
};

// The root of one file's tree, with the reader and the writer.
class CFGDocument : public CFGNode {
 public:
  CFGDocument();
  virtual ~CFGDocument();

  // Reads and parses the file at `file`; false when it cannot be opened or read, is empty, or
  // does not parse. A failed open leaves the document unchanged.
  bool ReadFile(std::string file);
  // Parses `buff` into this document, appending to what it already holds.
  bool Parse(std::string buff);
  // Appends the text of the tree to `str`. Always returns false.
  bool Generate(std::string& str);
  // Writing documents is not supported; returns true and writes nothing.
  bool SaveFile(std::string file);

 private:
  std::string mError;

  // Drops comments and carriage returns, then white space outside quotes; always true.
  bool _EreaseComents(std::string& buff);
  // True when `buff` holds as many `{` as `}`.
  bool _TestScopes(const std::string& buff);
};

#endif
