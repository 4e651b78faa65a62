// The reader's text steps: comment and white-space removal, the brace test and the cutting of
// the rewritten text into nodes.
#include "config/CFGDocument.h"

#include <cstring>
#include <utility>

namespace {

// Characters that play no part in comments: a run of them is copied or skipped as a whole.
struct CharClasses {
  bool plain[256];     // first pass: not '/', '*', CR or LF
  bool ordinary[256];  // second pass: not a backslash, quote, space, LF or tab
  constexpr CharClasses() : plain(), ordinary() {
    for (int c = 0; c < 256; ++c) {
      plain[c] = c != '/' && c != '*' && c != '\r' && c != '\n';
      ordinary[c] = c != '\\' && c != '"' && c != ' ' && c != '\n' && c != '\t';
    }
  }
};
constexpr CharClasses kClasses;

}  // namespace

bool CFGDocument::_EreaseComents(std::string& buff) {
  const size_t n = buff.size();
  const char* in = buff.data();
  // Both passes only ever shrink the text, so one buffer of the input's size serves both.
  std::string str;
  str.resize(n);
  char* out = &str[0];

  // First pass: comments and carriage returns. Block comments nest, and the line flag and the
  // depth are independent, so `//` inside a block comment also eats the rest of its line.
  bool eatline = false;
  long long eattext = 0;
  size_t k = 0;
  size_t i = 0;
  while (i < n) {
    if (kClasses.plain[static_cast<unsigned char>(in[i])]) {
      size_t e = i + 1;
      while (e < n && kClasses.plain[static_cast<unsigned char>(in[e])]) ++e;
      if (!eatline && eattext == 0) {
        std::memcpy(out + k, in + i, e - i);
        k += e - i;
      }
      i = e;
      continue;
    }
    const bool pair = i + 1 < n;
    if (pair && in[i] == '/' && in[i + 1] == '/') eatline = true;
    if (pair && in[i] == '/' && in[i + 1] == '*') ++eattext;
    if (eattext > 0 && pair && in[i] == '*' && in[i + 1] == '/') {
      --eattext;
      i += 2;
      if (i >= n) break;
      // The character after the closer is not tested for an opener.
    }
    if (eatline && in[i] == '\n') eatline = false;
    if (!eatline && eattext == 0 && in[i] != '\r') out[k++] = in[i];
    ++i;
  }

  // Second pass, in place: white space and quotes. The write position never passes the read
  // position, and the character before the read position is kept in `prev`.
  bool quoteopen = false;
  char prev = '\0';
  size_t w = 0;
  size_t j = 0;
  while (j < k) {
    if (kClasses.ordinary[static_cast<unsigned char>(out[j])]) {
      size_t e = j + 1;
      while (e < k && kClasses.ordinary[static_cast<unsigned char>(out[e])]) ++e;
      if (w != j) std::memmove(out + w, out + j, e - j);
      w += e - j;
      prev = out[w - 1];
      j = e;
      continue;
    }
    const char c = out[j];
    if (c == '\\' && j + 1 < k && out[j + 1] == '"') {
      out[w++] = '"';
      prev = '"';
      j += 2;
      continue;
    }
    if (c == '"' && prev != '\\') quoteopen = !quoteopen;
    if (quoteopen && c != '"') {
      out[w++] = c;
    } else if (c != ' ' && c != '\n' && c != '\\' && c != '\t' && c != '"') {
      out[w++] = c;
    }
    prev = c;
    ++j;
  }
  str.resize(w);
  buff.swap(str);
  return true;
}

bool CFGDocument::_TestScopes(const std::string& buff) {
  size_t open = 0;
  size_t close = 0;
  for (char c : buff) {
    if (c == '{') ++open;
    if (c == '}') ++close;
  }
  return open == close;
}

namespace {

bool IsStructural(char c) { return c == '{' || c == '}' || c == '=' || c == ';'; }

}  // namespace

unsigned int CFGNode::_ParseRecursive(std::string& buff, int start) {
  // The cutting rules are those of one call per block, each with its own token and pending
  // name, but the blocks are kept on an explicit stack so that nesting depth costs heap, not
  // machine stack. The node this call fills is at the bottom of `open`.
  //
  // Per block only the token needs keeping across an inner block: the pending name is always
  // handed to the inner block or already empty when it opens, and a pending value is only ever
  // read by the `;` that has just set it.
  const size_t len = buff.size();
  const char* text = buff.data();
  std::vector<CFGNode*> open;
  open.push_back(this);
  // Tokens that wait through an inner block (`w{u=1;}v=2;` names a key "wv"), with the depth of
  // the block they belong to.
  std::vector<std::pair<size_t, std::string>> waiting;
  std::string line;
  std::string name;

  size_t i = start < 0 ? 0 : static_cast<size_t>(start);
  while (i < len) {
    const char c = text[i];
    CFGNode* node = open.back();
    if (c == '{') {
      CFGNode* child = new CFGNode(std::string(), std::string(), node);
      if (!name.empty()) {
        child->_mName = std::move(name);
        name.clear();
      }
      if (!line.empty()) {
        waiting.emplace_back(open.size() - 1, std::move(line));
        line.clear();
      }
      open.push_back(child);
    } else if (c == '}') {
      if (!line.empty()) {
        node->_InsertNode(new CFGNode(std::move(line), std::string(), node));
        line.clear();
      }
      name.clear();
      if (open.size() == 1) return static_cast<unsigned int>(i);
      // The block is complete: it joins its parent only now, after its own children.
      open.pop_back();
      open.back()->_InsertNode(node);
      if (!waiting.empty() && waiting.back().first == open.size() - 1) {
        line = std::move(waiting.back().second);
        waiting.pop_back();
      }
    } else if (c == '=') {
      if (!line.empty()) {
        name = std::move(line);
        line.clear();
      }
    } else if (c == ';') {
      if (!line.empty()) {
        if (!name.empty()) {
          node->_InsertNode(new CFGNode(std::move(name), std::move(line), node));
          name.clear();
        }
        line.clear();
      }
    } else {
      // A run of ordinary characters joins the token in one append.
      size_t e = i + 1;
      while (e < len && !IsStructural(text[e])) ++e;
      line.append(text + i, e - i);
      i = e;
      continue;
    }
    ++i;
  }
  // The text ran out inside open blocks: each is complete as far as it goes and joins its parent,
  // innermost first; whatever the buffers still hold is dropped.
  while (open.size() > 1) {
    CFGNode* node = open.back();
    open.pop_back();
    open.back()->_InsertNode(node);
  }
  return static_cast<unsigned int>(len);
}
