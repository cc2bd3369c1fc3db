// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin {

// A number for each distinct spelling met, looked up at every game of a file. A file of
// 100,000 players looks its names up hundreds of thousands of times, each time most likely
// somewhere memory has not been lately: the lookup costs what its cache misses cost. So the
// table is flat, a spelling of up to 20 bytes (most names) lies in its slot, and a lookup
// reads one slot of 32 bytes; the caller can start fetching a slot before it needs it.
class SpellingIndex {
public:
    // Where `spelling` is looked for; its slot starts on its way from memory.
    struct Probe {
        std::uint64_t hash;
    };
    Probe probe(std::string_view spelling) const;
    // Once the slot has come: a spelling too long for its slot starts on its way from memory
    // too, when the slot holds the probe's hash.
    void fetchLongSpelling(Probe probe) const;

    // The number stored for `spelling`; null when it was never stored.
    const std::uint32_t* find(std::string_view spelling, Probe probe) const;
    const std::uint32_t* find(std::string_view spelling) const;
    // Stores `number` for `spelling`, in place of any number stored for it before.
    void insert(std::string_view spelling, std::uint32_t number);
    // The same, for a spelling whose probe() is at hand: its hash is not worked out again.
    void insert(std::string_view spelling, std::uint32_t number, Probe probe);
    std::size_t size() const { return stored_; }

private:
    static constexpr std::size_t kInlineLength = 20;
    struct alignas(32) Slot {
        std::uint32_t hash = 0;  // 0 for an empty slot: a stored hash has its low bit set
        std::uint32_t number = 0;
        std::uint32_t length = 0;
        char text[kInlineLength] = {};  // the spelling, or where it starts in longSpellings_
    };
    static_assert(sizeof(Slot) == 32 && sizeof(std::size_t) <= kInlineLength);
    static std::uint64_t hashOf(std::string_view spelling);
    std::string_view spellingAt(const Slot& slot) const;
    std::size_t slotOf(std::string_view spelling, std::uint64_t hash) const;
    void grow();

    // Where the slots lie: a table of 2 MiB or more in the processor's large pages where
    // the system has them, as its slots are read at random: one entry of the address cache
    // then covers 2 MiB of them rather than 4 KiB.
    template <typename T>
    struct LargePageAllocator {
        using value_type = T;
        LargePageAllocator() = default;
        template <typename U>
        explicit LargePageAllocator(const LargePageAllocator<U>&) {}
        T* allocate(std::size_t count);
        void deallocate(T* at, std::size_t count);
        bool operator==(const LargePageAllocator&) const = default;
    };

    std::vector<Slot, LargePageAllocator<Slot>> slots_;  // a power of two, at most half used
    std::string longSpellings_;  // those longer than a slot holds, end to end
    std::size_t stored_ = 0;
};

}  // namespace tavolin
