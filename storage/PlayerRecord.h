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
//   0  name: length byte, then 20 bytes of Windows-1252     24  elo (int32)
//   28 nbparties (int32)     32 jeune (byte)     40 50 games of 16 bytes
//   840 mode (int32)         844 coef (int32)
class PlayerRecord {
public:
    using Bytes = std::array<std::uint8_t, kRecordSize>;

    PlayerRecord() = default;  // all zero, as a record built afresh
    explicit PlayerRecord(const Bytes& bytes) : bytes_(bytes) {}

    const Bytes& bytes() const { return bytes_; }

    // The name; a length byte above 20 reads as 20.
    QString nom() const;
    // Cut to 20 characters, then stored in Windows-1252 ("?" for what it cannot hold); the
    // bytes past the new length keep what they held.
    void setNom(const QString& name);

    std::int32_t elo() const;
    void setElo(std::int32_t elo);
    std::int32_t nbparties() const;
    void setNbparties(std::int32_t count);
    bool jeune() const;
    void setJeune(bool young);
    std::array<GameEntry, kMaxGames> parties() const;
    void setParties(const std::array<GameEntry, kMaxGames>& games);
    std::int32_t mode() const;
    void setMode(std::int32_t mode);
    std::int32_t coef() const;
    void setCoef(std::int32_t coef);

private:
    std::int32_t readInt32(std::size_t offset) const;
    void writeInt32(std::size_t offset, std::int32_t value);
    double readDouble(std::size_t offset) const;
    void writeDouble(std::size_t offset, double value);

    Bytes bytes_{};
};

}  // namespace tavolin
