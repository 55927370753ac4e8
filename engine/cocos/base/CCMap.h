#ifndef __CCMAP_H__
#define __CCMAP_H__

#include <string>
#include <unordered_map>
#include <vector>
#include "base/ccMacros.h"
#include "base/CCRef.h"

NS_CC_BEGIN

// A hash map of keys to Ref-derived pointers that keeps one reference of
// each value it holds.
template<class K, class V>
class Map
{
public:
    typedef std::unordered_map<K, V> RefMap;
    typedef typename RefMap::iterator iterator;
    typedef typename RefMap::const_iterator const_iterator;

    iterator begin() { return _data.begin(); }
    const_iterator begin() const { return _data.begin(); }
    iterator end() { return _data.end(); }
    const_iterator end() const { return _data.end(); }
    const_iterator cbegin() const { return _data.cbegin(); }
    const_iterator cend() const { return _data.cend(); }

    Map()
    : _data()
    {
        static_assert(std::is_convertible<V, Ref*>::value, "Invalid Type for cocos2d::Map<K, V>!");
    }

    explicit Map(ssize_t capacity)
    : _data()
    {
        _data.reserve(capacity);
    }

    Map(const Map<K, V>& other)
    {
        _data = other._data;
        addRefForAllObjects();
    }

    Map(Map<K, V>&& other)
    {
        _data = std::move(other._data);
    }

    ~Map()
    {
        clear();
    }

    Map<K, V>& operator=(const Map<K, V>& other)
    {
        if (this != &other)
        {
            RefMap copy = other._data;
            for (auto& it : copy)
                it.second->retain();
            clear();
            _data = std::move(copy);
        }
        return *this;
    }

    Map<K, V>& operator=(Map<K, V>&& other)
    {
        if (this != &other)
        {
            clear();
            _data = std::move(other._data);
        }
        return *this;
    }

    void reserve(ssize_t capacity) { _data.reserve(capacity); }
    ssize_t bucketCount() const { return _data.bucket_count(); }
    ssize_t size() const { return _data.size(); }
    bool empty() const { return _data.empty(); }

    std::vector<K> keys() const
    {
        std::vector<K> keys;
        if (!_data.empty())
        {
            keys.reserve(_data.size());
            for (auto& iter : _data)
                keys.push_back(iter.first);
        }
        return keys;
    }

    std::vector<K> keys(V object) const
    {
        std::vector<K> keys;
        for (auto& iter : _data)
        {
            if (iter.second == object)
                keys.push_back(iter.first);
        }
        return keys;
    }

    const V at(const K& key) const
    {
        auto iter = _data.find(key);
        if (iter != _data.end())
            return iter->second;
        return nullptr;
    }

    V at(const K& key)
    {
        auto iter = _data.find(key);
        if (iter != _data.end())
            return iter->second;
        return nullptr;
    }

    const_iterator find(const K& key) const { return _data.find(key); }
    iterator find(const K& key) { return _data.find(key); }

    void insert(const K& key, V object)
    {
        CCASSERT(object != nullptr, "Object is nullptr!");
        if (object == nullptr)
            return;
        object->retain();
        erase(key);
        _data.insert(std::make_pair(key, object));
    }

    iterator erase(const_iterator position)
    {
        CCASSERT(position != _data.cend(), "Invalid iterator!");
        V obj = position->second;
        auto next = _data.erase(position);
        obj->release();
        return next;
    }

    size_t erase(const K& k)
    {
        auto iter = _data.find(k);
        if (iter != _data.end())
        {
            V obj = iter->second;
            _data.erase(iter);
            obj->release();
            return 1;
        }
        return 0;
    }

    void erase(const std::vector<K>& keys)
    {
        for (const auto& key : keys)
            this->erase(key);
    }

    void clear()
    {
        RefMap old;
        old.swap(_data);
        for (auto& iter : old)
            iter.second->release();
    }

    bool contains(const K& key) const { return _data.find(key) != _data.end(); }

protected:
    void addRefForAllObjects()
    {
        for (auto& iter : _data)
            iter.second->retain();
    }

    RefMap _data;
};

NS_CC_END

#endif
