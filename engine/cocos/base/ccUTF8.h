#ifndef __cocos2dx__ccUTF8__
#define __cocos2dx__ccUTF8__

#include <string>
#include <vector>
#include <sstream>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

namespace StringUtils {

template <typename T>
std::string toString(T arg)
{
    std::stringstream ss;
    ss << arg;
    return ss.str();
}

/** printf-style formatting into a std::string (no length limit). */
std::string CC_DLL format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

/** Conversions between UTF-8, UTF-16 and UTF-32; false (and out unchanged
 *  or partially filled) when the input is not well formed. */
CC_DLL bool UTF8ToUTF16(const std::string& utf8, std::u16string& outUtf16);
CC_DLL bool UTF8ToUTF32(const std::string& utf8, std::u32string& outUtf32);
CC_DLL bool UTF16ToUTF8(const std::u16string& utf16, std::string& outUtf8);
CC_DLL bool UTF32ToUTF8(const std::u32string& utf32, std::string& outUtf8);
CC_DLL bool UTF16ToUTF32(const std::u16string& utf16, std::u32string& outUtf32);
CC_DLL bool UTF32ToUTF16(const std::u32string& utf32, std::u16string& outUtf16);

CC_DLL bool isUnicodeSpace(char32_t ch);
CC_DLL bool isCJKUnicode(char32_t ch);

/** Number of code points in a UTF-8 string (lead bytes counted). */
CC_DLL long getCharacterCountInUTF8String(const std::string& utf8);

/** Index of the last element that is not a white space, -1 when none. */
CC_DLL unsigned int getIndexOfLastNotChar16(const std::vector<char16_t>& str, char16_t c);
CC_DLL void trimUTF16Vector(std::vector<char16_t>& str);
CC_DLL std::vector<char16_t> getChar16VectorFromUTF16String(const std::u16string& utf16);

} // namespace StringUtils

/** Number of characters of the first max bytes (-1: up to the NUL). */
CC_DLL long cc_utf8_strlen(const char* p, int max = -1);

NS_CC_END

#endif
