#ifndef __CC_PLIST_H__
#define __CC_PLIST_H__

#include <string>

#include "base/CCValue.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** XML property lists to and from values.
 *
 *  Reading: <dict> becomes a ValueMap, <array> a ValueVector, <string> a
 *  string, <integer> an int (atoi), <real> a double, <true/> and <false/>
 *  booleans; <date> and <data> are kept as their text. Writing emits the
 *  same forms (keys in sorted order) and skips values of no plist type. */
class CC_DLL Plist
{
public:
    /** The root value of the document (Type::NONE when the text is not a
     *  well-formed property list). */
    static Value parse(const char* data, size_t length);

    static std::string write(const Value& root);
};

NS_CC_END

#endif
