// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingIndex.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tavolin {

namespace {

constexpr std::size_t kFirstSlotCount = 1024;
// Each larger table is made anew, zeroed and filled again: growing four times over makes
// fewer of them, for at most twice the memory a table that doubles would hold.
constexpr std::size_t kGrowth = 4;
constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15;  // 2^64 divided by the golden ratio

std::uint64_t mixed(std::uint64_t value) {
    value ^= value >> 32;
    value *= kMultiplier;
    return value ^ (value >> 29);
}

std::uint32_t storedHash(std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash >> 32) | 1;
}

// The slot a spelling is looked for from, taken from the hash its slot keeps: the table
// grows without working any spelling's hash out again.
std::size_t homeSlot(std::uint32_t stored, std::size_t mask) {
    return (stored >> 1) & mask;
}

constexpr std::size_t kLargePage = std::size_t{2} << 20;

}  // namespace

template <typename T>
T* SpellingIndex::LargePageAllocator<T>::allocate(std::size_t count) {
    const std::size_t bytes = count * sizeof(T);
    if (bytes < kLargePage) {
        return std::allocator<T>().allocate(count);
    }
    const std::size_t whole = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    void* memory = std::aligned_alloc(kLargePage, whole);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
#if defined(__linux__)
    // Only advice: without large pages the table works the same.
    madvise(memory, whole, MADV_HUGEPAGE);
#endif
    return static_cast<T*>(memory);
}

template <typename T>
void SpellingIndex::LargePageAllocator<T>::deallocate(T* at, std::size_t count) {
    if (count * sizeof(T) < kLargePage) {
        std::allocator<T>().deallocate(at, count);
    } else {
        std::free(at);
    }
}

std::uint64_t SpellingIndex::hashOf(std::string_view spelling) {
    const char* const data = spelling.data();
    const std::size_t size = spelling.size();
    const auto load = [](const char* at, auto word) {
        std::memcpy(&word, at, sizeof word);
        return static_cast<std::uint64_t>(word);
    };
    std::uint64_t hash = size;
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= size; at += sizeof(std::uint64_t)) {
        hash = mixed(hash ^ load(data + at, std::uint64_t{})) + at;
    }
    // The last bytes read whole words that may overlap what was read already, never copied
    // byte by byte into a word: a word read just after its bytes were written one at a time
    // waits for them. With the length in the hash, the words still tell every spelling.
    std::uint64_t tail = 0;
    if (at < size) {
        if (size >= sizeof(std::uint64_t)) {
            tail = load(data + size - sizeof(std::uint64_t), std::uint64_t{});
        } else if (size >= sizeof(std::uint32_t)) {
            tail = load(data, std::uint32_t{}) |
                   (load(data + size - sizeof(std::uint32_t), std::uint32_t{}) << 32);
        } else {
            const auto byte = [&](std::size_t k) {
                return static_cast<std::uint64_t>(static_cast<unsigned char>(data[k]));
            };
            tail = byte(0) | (byte(size / 2) << 8) | (byte(size - 1) << 16);
        }
    }
    return mixed(hash ^ tail ^ (tail << 7));
}

SpellingIndex::Probe SpellingIndex::probe(std::string_view spelling) const {
    const std::uint64_t hash = hashOf(spelling);
#if defined(__GNUC__)
    if (!slots_.empty()) {
        // The next slot too, in the next line of the memory's cache for every other slot:
        // a spelling found or placed after the one at home is looked for there.
        const std::size_t mask = slots_.size() - 1;
        const std::size_t home = homeSlot(storedHash(hash), mask);
        __builtin_prefetch(&slots_[home]);
        __builtin_prefetch(&slots_[(home + 1) & mask]);
    }
#endif
    return {hash};
}

void SpellingIndex::fetchLongSpelling(Probe probe) const {
#if defined(__GNUC__)
    if (slots_.empty()) {
        return;
    }
    const std::uint32_t wanted = storedHash(probe.hash);
    const Slot& slot = slots_[homeSlot(wanted, slots_.size() - 1)];
    if (slot.hash == wanted && slot.length > kInlineLength) {
        const std::string_view spelling = spellingAt(slot);
        __builtin_prefetch(spelling.data());
        __builtin_prefetch(spelling.data() + spelling.size() - 1);
    }
#else
    (void)probe;
#endif
}

std::string_view SpellingIndex::spellingAt(const Slot& slot) const {
    if (slot.length <= kInlineLength) {
        return {slot.text, slot.length};
    }
    std::size_t offset;
    std::memcpy(&offset, slot.text, sizeof offset);
    return {longSpellings_.data() + offset, slot.length};
}

// The slot that holds `spelling`, or the empty one where it belongs; slots_ is never full.
std::size_t SpellingIndex::slotOf(std::string_view spelling, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t wanted = storedHash(hash);
    for (std::size_t at = homeSlot(wanted, mask);; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.hash == 0 || (slot.hash == wanted && spellingAt(slot) == spelling)) {
            return at;
        }
    }
}

const std::uint32_t* SpellingIndex::find(std::string_view spelling, Probe probe) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const Slot& slot = slots_[slotOf(spelling, probe.hash)];
    return slot.hash == 0 ? nullptr : &slot.number;
}

const std::uint32_t* SpellingIndex::find(std::string_view spelling) const {
    return find(spelling, Probe{hashOf(spelling)});
}

void SpellingIndex::insert(std::string_view spelling, std::uint32_t number) {
    insert(spelling, number, Probe{hashOf(spelling)});
}

void SpellingIndex::insert(std::string_view spelling, std::uint32_t number, Probe probe) {
    if (spelling.size() > std::numeric_limits<std::uint32_t>::max()) {
        return;  // never met: a tag value has at most 255 bytes
    }
    if (2 * (stored_ + 1) > slots_.size()) {
        grow();
    }
    const std::uint64_t hash = probe.hash;
    Slot& slot = slots_[slotOf(spelling, hash)];
    if (slot.hash == 0) {
        slot.hash = storedHash(hash);
        slot.length = static_cast<std::uint32_t>(spelling.size());
        if (spelling.size() <= kInlineLength) {
            std::memcpy(slot.text, spelling.data(), spelling.size());
        } else {
            const std::size_t offset = longSpellings_.size();
            std::memcpy(slot.text, &offset, sizeof offset);
            longSpellings_.append(spelling);
        }
        ++stored_;
    }
    slot.number = number;
}

void SpellingIndex::grow() {
    auto old = std::move(slots_);
    slots_.assign(old.empty() ? kFirstSlotCount : kGrowth * old.size(), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.hash == 0) {
            continue;
        }
        std::size_t at = homeSlot(slot.hash, mask);
        while (slots_[at].hash != 0) {
            at = (at + 1) & mask;
        }
        slots_[at] = slot;
    }
}

template struct SpellingIndex::LargePageAllocator<SpellingIndex::Slot>;

}  // namespace tavolin
