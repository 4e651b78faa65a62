// Why a configuration file would be refused before it is parsed, in words for a person.
#ifndef DELVORN_CONFIG_CFGIEMESLS_H
#define DELVORN_CONFIG_CFGIEMESLS_H

#include <string>

// "cannot open it: ...", "the file is empty", ...; empty when the file can be read whole.
std::string CFGFailaKluda(const std::string& cels);

// The reason for a file that ReadFile refused: the early reason, or the parse failure that
// the reader's own output (`izvade`, "scope err" for unbalanced braces) points to.
std::string CFGParsesKluda(const std::string& cels, const std::string& izvade);

class CFGDocument;
// ReadFile for a tool that reports on its own: what the reader would print is kept back and
// turned into the reason (`kluda`) when the file is refused.
bool CFGLasitKlusi(CFGDocument& doc, const std::string& cels, std::string& kluda);

#endif
