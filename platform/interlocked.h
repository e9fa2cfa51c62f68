// Interlocked arithmetic on a word that other processes may share.
#pragma once

#include <atomic>

#include "platform/types.h"

// Adds value to *addend atomically and returns the value *addend held just before.
inline LONG InterlockedExchangeAdd(LONG* addend, LONG value) {
    static_assert(std::atomic_ref<LONG>::is_always_lock_free,
                  "a lock-free word is what makes the add atomic across processes");
    return std::atomic_ref<LONG>(*addend).fetch_add(value);
}
