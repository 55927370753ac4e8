#ifndef __SUPPORT_CCUSERDEFAULT_H__
#define __SUPPORT_CCUSERDEFAULT_H__

#include <string>

#include "base/CCData.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** Small persistent settings, kept in "UserDefault.xml" in the writable
 *  path: a root element userDefaultRoot with one child element per key
 *  whose text is the value. Every set writes the file at once. Booleans are
 *  stored as "true"/"false", ints with "%d", floats and doubles with "%f",
 *  data as base64. Keys that cannot be XML element names are refused (sets
 *  do nothing, gets give the default) so the file always stays readable. */
class CC_DLL UserDefault
{
public:
    bool getBoolForKey(const char* key);
    virtual bool getBoolForKey(const char* key, bool defaultValue);
    int getIntegerForKey(const char* key);
    virtual int getIntegerForKey(const char* key, int defaultValue);
    float getFloatForKey(const char* key);
    virtual float getFloatForKey(const char* key, float defaultValue);
    double getDoubleForKey(const char* key);
    virtual double getDoubleForKey(const char* key, double defaultValue);
    std::string getStringForKey(const char* key);
    virtual std::string getStringForKey(const char* key, const std::string& defaultValue);
    Data getDataForKey(const char* key);
    virtual Data getDataForKey(const char* key, const Data& defaultValue);

    virtual void setBoolForKey(const char* key, bool value);
    virtual void setIntegerForKey(const char* key, int value);
    virtual void setFloatForKey(const char* key, float value);
    virtual void setDoubleForKey(const char* key, double value);
    virtual void setStringForKey(const char* key, const std::string& value);
    virtual void setDataForKey(const char* key, const Data& value);

    /** Values are written when set; nothing is pending. */
    virtual void flush();
    virtual void deleteValueForKey(const char* key);

    static UserDefault* getInstance();
    /** Drops the instance; the next getInstance() takes the file path anew
     *  from the current writable path. */
    static void destroyInstance();
    static void setDelegate(UserDefault* delegate);

    static const std::string& getXMLFilePath();
    static bool isXMLFileExist();

protected:
    UserDefault();
    virtual ~UserDefault();

private:
    static bool createXMLFile();
    static void initXMLFilePath();
    static bool isValidKey(const char* key);
    // The text stored for a key; false when the key has no (non-empty) value.
    static bool getValueForKey(const char* key, std::string& value);
    static void setValueForKey(const char* key, const char* value);

    static UserDefault* _userDefault;
    static std::string _filePath;
    static bool _isFilePathInitialized;
};

NS_CC_END

#endif
