// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "GameEntry.h"
#include "GameList.h"

namespace tavolin {

inline constexpr int kPlayerCount = 10;
inline constexpr int kRecordSize = 848;
inline constexpr int kNameLength = 20;

// One player of the player file, kept as its 848 bytes so that the bytes without meaning
// (padding, name bytes past its length) are written back exactly as they were read.
// Little-endian; doubles are IEEE 754 binary64.
//
//   0   name: length byte, then 20 bytes of Windows-1252
//   24  rating (int32)       28  game count (int32)     32 young (byte)
//   40  50 games of 16 bytes 840 rating system (int32)  844 FIDE coefficient (int32)
class PlayerRecord {
public:
    using Bytes = std::array<std::uint8_t, kRecordSize>;

    PlayerRecord() = default;  // all zero, as a record built afresh
    explicit PlayerRecord(const Bytes& bytes) : bytes_(bytes) {}

    const Bytes& bytes() const { return bytes_; }

    // The name; a length byte above 20 reads as 20.
    QString name() const;
    // Cut to 20 characters, then stored in Windows-1252 ("?" for what it cannot hold); the
    // bytes past the new length keep what they held.
    void setName(const QString& name);

    std::int32_t rating() const;
    void setRating(std::int32_t rating);
    std::int32_t gameCount() const;
    void setGameCount(std::int32_t count);
    bool young() const;
    void setYoung(bool young);
    std::array<GameEntry, kMaxGames> games() const;
    void setGames(const std::array<GameEntry, kMaxGames>& games);
    std::int32_t system() const;
    void setSystem(std::int32_t system);
    std::int32_t coefficient() const;
    void setCoefficient(std::int32_t coefficient);

private:
    std::int32_t readInt32(std::size_t offset) const;
    void writeInt32(std::size_t offset, std::int32_t value);
    double readDouble(std::size_t offset) const;
    void writeDouble(std::size_t offset, double value);

    Bytes bytes_{};
};

}  // namespace tavolin
