#pragma once

#include <QtGlobal>

#include <map>

// The order in which a session saw its calls, and the bound on how many it
// keeps: what it knows of a call goes once the newest `Kept` calls of that kind
// are all newer (a session may keep one of these for each kind of call).
template <class Key> class CallAges {
public:
    static constexpr int Kept = 512;

    // `key` as the newest call; its age, which remove() takes.
    quint64 add(const Key& key) {
        const quint64 age = ++m_nextAge;
        m_byAge.emplace(age, key);
        return age;
    }
    void remove(quint64 age) { m_byAge.erase(age); }
    void clear() { m_byAge.clear(); }

    // Forgets the oldest calls beyond the bound, passing over those that
    // `inUse` holds on to; `forget` hears each forgotten key.
    template <class InUse, class Forget> void trim(InUse inUse, Forget forget) {
        for (auto it = m_byAge.begin();
             m_byAge.size() > static_cast<size_t>(Kept) && it != m_byAge.end();) {
            if (inUse(it->second)) {
                ++it;
                continue;
            }
            forget(it->second);
            it = m_byAge.erase(it);
        }
    }

private:
    std::map<quint64, Key> m_byAge; // oldest first
    quint64 m_nextAge = 0;
};
