#ifndef __CCDATA_H__
#define __CCDATA_H__

#include <sys/types.h>
#include <cstddef>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** An owned, malloc'ed byte buffer. */
class CC_DLL Data
{
public:
    static const Data Null;

    Data();
    Data(const Data& other);
    Data(Data&& other);
    ~Data();

    Data& operator=(const Data& other);
    Data& operator=(Data&& other);

    unsigned char* getBytes() const { return _bytes; }
    ssize_t getSize() const { return _size; }

    /** Copies size bytes into a new buffer of its own. */
    void copy(const unsigned char* bytes, const ssize_t size);
    /** Takes over a buffer allocated with malloc. */
    void fastSet(unsigned char* bytes, const ssize_t size);
    void clear();
    bool isNull() const { return _bytes == nullptr || _size == 0; }

    /** Hands the buffer to the caller (who frees it with free) and empties this. */
    unsigned char* takeBuffer(ssize_t* size);

private:
    void move(Data& other);

    unsigned char* _bytes;
    ssize_t _size;
};

NS_CC_END

#endif
