// Known symbol texts and helpers shared by the tool's tests.
#pragma once

#include <cstdint>
#include <string>

#include "corpus.h"

// The 8-byte block of empty input, and the block of "abc".
inline const std::string EMPTY_SYMBOLS_UTF8 = "@￥=@^=&#=￥=！=！=！=！";
inline const std::string EMPTY_SYMBOLS_CP936 = "@\xA3\xA4=@^=&#=\xA3\xA4=\xA3\xA1=\xA3\xA1=\xA3\xA1=\xA3\xA1";
inline const std::string ABC_SYMBOLS_UTF8 = "@￥=@^=&#=￥=￥=！=！=！=@#！=@^&=*^=*&=*%=&=！=#=**=@=￥+";
inline const std::string ABC_SYMBOLS_CP936 =
    "@\xA3\xA4=@^=&#=\xA3\xA4=\xA3\xA4=\xA3\xA1=\xA3\xA1=\xA3\xA1=@#\xA3\xA1=@^&=*^=*&=*%=&=\xA3\xA1=#=**=@="
    "\xA3\xA4+";
inline const std::string ABC_LIST = "{13,15,62,3,3,0,0,0,120,156,75,76,74,6,0,2,77,1,39}";

// The UTF-8 form of a code page 936 symbol text ("！" and "￥" differ).
std::string symbolsAsUtf8(const std::string& cp936);

// `size` bytes of the mixed corpus.
std::string corpusBytes(std::size_t size, std::uint64_t seed = 1);
