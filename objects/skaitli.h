// 32-bit number patterns for the object code: file numbers and coordinates wrap, never overflow.
#ifndef DELVORN_OBJECTS_SKAITLI_H
#define DELVORN_OBJECTS_SKAITLI_H

#include <cstdint>
#include <string>

// The two's-complement reading of a 32-bit pattern, without implementation-defined casts.
inline int32_t KaaZimigs(uint32_t v) {
  return v <= 0x7FFFFFFFu ? static_cast<int32_t>(v)
                          : static_cast<int32_t>(v - 0x80000000u) - 0x7FFFFFFF - 1;
}

// atoi's reading (white space, optional sign, digits up to the first other character; 0 for
// text without a number), kept as a 32-bit pattern. Too many digits wrap instead of atoi's
// undefined overflow; numbers that fit give exactly what atoi gives.
inline uint32_t LasitSkaitli(const std::string& t) {
  size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || (t[i] >= '\t' && t[i] <= '\r'))) i++;
  bool neg = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
  uint32_t v = 0;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; i++) v = v * 10u + uint32_t(t[i] - '0');
  return neg ? 0u - v : v;
}

#endif
