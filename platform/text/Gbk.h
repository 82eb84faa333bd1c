#pragma once

#include <string>
#include <string_view>

namespace text {

// The files of this program (skin descriptions, report templates, prepared
// reports) keep their text in the GBK code page; in memory all text is UTF-8.
// Bytes that cannot be converted become U+FFFD (to UTF-8) or '?' (to GBK), so a
// damaged file still yields readable text instead of an error.
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

// True when `byte` starts a two-byte GBK character; the byte after it belongs to
// the same character even when it equals an ASCII punctuation mark.
inline bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

} // namespace text
