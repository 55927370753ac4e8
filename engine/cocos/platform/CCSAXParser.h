#ifndef __CCSAXPARSER_H__
#define __CCSAXPARSER_H__

#include <string>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

typedef unsigned char CC_XML_CHAR;

/** Receives the events of SAXParser. `atts` is a null-terminated list of
 *  name, value, name, value ... (null when the element has no attributes). */
class CC_DLL SAXDelegator
{
public:
    virtual ~SAXDelegator() {}

    virtual void startElement(void* ctx, const char* name, const char** atts) = 0;
    virtual void endElement(void* ctx, const char* name) = 0;
    virtual void textHandler(void* ctx, const char* s, int len) = 0;
};

/** A small, non-validating XML reader. It understands the prolog, comments,
 *  DOCTYPE and processing instructions (skipped), elements with quoted
 *  attributes, CDATA sections, the predefined entities and character
 *  references. Malformed input (unclosed or mismatched tags, bad attribute
 *  syntax, nesting deeper than kMaxDepth) makes parse() return false; the
 *  events delivered up to that point stay delivered. */
class CC_DLL SAXParser
{
public:
    static const int kMaxDepth = 256;

    SAXParser();
    ~SAXParser();

    bool init(const char* encoding);
    bool parse(const char* xmlData, size_t dataLength);
    bool parse(const std::string& filename);
    bool parseIntrusive(char* xmlData, size_t dataLength);

    void setDelegator(SAXDelegator* delegator);

    static void startElement(void* ctx, const CC_XML_CHAR* name, const CC_XML_CHAR** atts);
    static void endElement(void* ctx, const CC_XML_CHAR* name);
    static void textHandler(void* ctx, const CC_XML_CHAR* name, int len);

private:
    SAXDelegator* _delegator;
};

NS_CC_END

#endif //__CCSAXPARSER_H__
