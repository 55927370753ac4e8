#ifndef __AUTORELEASEPOOL_H__
#define __AUTORELEASEPOOL_H__

#include <string>
#include <vector>
#include "base/CCRef.h"

NS_CC_BEGIN

// Holds one reference of each object handed to it and drops them all in
// clear(). The director clears the current pool at the end of every frame.
class CC_DLL AutoreleasePool
{
public:
    // A pool made on the stack becomes the current pool until it goes away.
    AutoreleasePool();
    explicit AutoreleasePool(const std::string& name);
    ~AutoreleasePool();

    void addObject(Ref* object);
    void clear();
    bool contains(Ref* object) const;
    bool isClearing() const { return _isClearing; }
    void dump();

private:
    std::vector<Ref*> _managedObjectArray;
    std::string _name;
    bool _isClearing;

    AutoreleasePool(const AutoreleasePool&) = delete;
    AutoreleasePool& operator=(const AutoreleasePool&) = delete;
};

class CC_DLL PoolManager
{
public:
    static PoolManager* getInstance();
    static void destroyInstance();

    AutoreleasePool* getCurrentPool() const;
    bool isObjectInPools(Ref* obj) const;

private:
    PoolManager();
    ~PoolManager();

    void push(AutoreleasePool* pool);
    void pop();

    static PoolManager* s_singleInstance;
    std::vector<AutoreleasePool*> _releasePoolStack;

    friend class AutoreleasePool;
};

NS_CC_END

#endif
