// The document root: reading a file into text and running the three reader steps on it.
#include "config/CFGDocument.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

// The file is taken in pieces as a line reader with a buffer of this size would take them: up to
// and including a line feed, at most BUF_SIZE - 1 bytes. A NUL byte ends its piece.
const size_t BUF_SIZE = 2048;

// The file's size only sizes the first buffer; a size this large is not believed up front.
const size_t FIRST_BUFFER_LIMIT = size_t(8) << 20;

// Drops, in place, the bytes of every piece from its first NUL byte to the piece's end.
void DropAfterNulInPieces(std::string& text) {
  char* p = &text[0];
  const size_t n = text.size();
  size_t r = 0;
  size_t w = 0;
  while (r < n) {
    size_t end = r + (BUF_SIZE - 1) < n ? r + (BUF_SIZE - 1) : n;
    const void* lf = std::memchr(p + r, '\n', end - r);
    if (lf != nullptr) end = static_cast<size_t>(static_cast<const char*>(lf) - p) + 1;
    const void* nul = std::memchr(p + r, '\0', end - r);
    const size_t keep =
        nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - (p + r)) : end - r;
    if (w != r) std::memmove(p + w, p + r, keep);
    w += keep;
    r = end;
  }
  text.resize(w);
}

}  // namespace

CFGDocument::CFGDocument() {}

CFGDocument::~CFGDocument() { mError.clear(); }

bool CFGDocument::ReadFile(std::string file) {
  // A pipe or a device would block the open or never end: only plain files are read.
  struct stat st;
  if (stat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return false;
  FILE* f = std::fopen(file.c_str(), "r");
  if (f == nullptr) return false;
  // A stream without a size (a pipe) cannot be told from an empty file: refuse it.
  if (std::fseek(f, 0, SEEK_END) != 0) {
    std::fclose(f);
    return false;
  }
  const long size = std::ftell(f);
  if (size <= 0 || std::fseek(f, 0, SEEK_SET) != 0) {
    std::fclose(f);
    return false;
  }

  // One read of the whole file; the piece rule is applied afterwards, in one linear sweep.
  std::string text;
  const size_t expected = static_cast<size_t>(size);
  text.resize(expected < FIRST_BUFFER_LIMIT ? expected + 1 : FIRST_BUFFER_LIMIT);
  size_t n = 0;
  for (;;) {
    if (n == text.size()) text.resize(text.size() * 2);
    const size_t got = std::fread(&text[n], 1, text.size() - n, f);
    n += got;
    if (got == 0) break;
  }
  // A read that fails part-way (a directory, an I/O error) is not parsed as if it were the file.
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return false;
  text.resize(n);

  DropAfterNulInPieces(text);
  return Parse(std::move(text));
}

bool CFGDocument::Parse(std::string buff) {
  _EreaseComents(buff);
  _mName = "Document";
  if (!_TestScopes(buff)) {
    mError = "Missing scopes {}!";
    std::cout << "scope err" << std::endl;
    return false;
  }
  return static_cast<size_t>(_ParseRecursive(buff, 0)) == buff.length();
}
