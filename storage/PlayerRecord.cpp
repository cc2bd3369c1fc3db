// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerRecord.h"

#include <QList>
#include <algorithm>
#include <bit>

#include "Windows1252.h"

namespace tavolin {

namespace {

constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kRatingOffset = 24;
constexpr std::size_t kCountOffset = 28;
constexpr std::size_t kYoungOffset = 32;
constexpr std::size_t kGamesOffset = 40;
constexpr std::size_t kGameSize = 16;
constexpr std::size_t kSystemOffset = 840;
constexpr std::size_t kCoefficientOffset = 844;

}  // namespace

namespace {

// Little-endian, byte by byte, whatever the machine's own order.
template <typename Unsigned>
Unsigned readLittleEndian(const PlayerRecord::Bytes& bytes, std::size_t offset) {
    Unsigned value = 0;
    for (std::size_t k = 0; k < sizeof(Unsigned); ++k) {
        value |= static_cast<Unsigned>(Unsigned{bytes[offset + k]} << (8 * k));
    }
    return value;
}

template <typename Unsigned>
void writeLittleEndian(PlayerRecord::Bytes& bytes, std::size_t offset, Unsigned value) {
    for (std::size_t k = 0; k < sizeof(Unsigned); ++k) {
        bytes[offset + k] = static_cast<std::uint8_t>(value >> (8 * k));
    }
}

}  // namespace

std::int32_t PlayerRecord::readInt32(std::size_t offset) const {
    return static_cast<std::int32_t>(readLittleEndian<std::uint32_t>(bytes_, offset));
}

void PlayerRecord::writeInt32(std::size_t offset, std::int32_t value) {
    writeLittleEndian(bytes_, offset, static_cast<std::uint32_t>(value));
}

double PlayerRecord::readDouble(std::size_t offset) const {
    return std::bit_cast<double>(readLittleEndian<std::uint64_t>(bytes_, offset));
}

void PlayerRecord::writeDouble(std::size_t offset, double value) {
    writeLittleEndian(bytes_, offset, std::bit_cast<std::uint64_t>(value));
}

QString PlayerRecord::name() const {
    const int length = std::min<int>(bytes_[kNameOffset], kNameLength);
    const auto* first = reinterpret_cast<const char*>(bytes_.data() + kNameOffset + 1);
    return fromWindows1252(QByteArrayView(first, length));
}

void PlayerRecord::setName(const QString& name) {
    QList<uint> characters = name.toUcs4();
    characters.resize(std::min<qsizetype>(characters.size(), kNameLength));
    const QByteArray encoded = toWindows1252(
        QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.data()), characters.size()));
    bytes_[kNameOffset] = static_cast<std::uint8_t>(encoded.size());
    std::copy(encoded.begin(), encoded.end(), bytes_.begin() + kNameOffset + 1);
}

std::int32_t PlayerRecord::rating() const {
    return readInt32(kRatingOffset);
}

void PlayerRecord::setRating(std::int32_t rating) {
    writeInt32(kRatingOffset, rating);
}

std::int32_t PlayerRecord::gameCount() const {
    return readInt32(kCountOffset);
}

void PlayerRecord::setGameCount(std::int32_t count) {
    writeInt32(kCountOffset, count);
}

bool PlayerRecord::young() const {
    return bytes_[kYoungOffset] != 0;
}

void PlayerRecord::setYoung(bool young) {
    bytes_[kYoungOffset] = young ? 1 : 0;
}

std::array<GameEntry, kMaxGames> PlayerRecord::games() const {
    std::array<GameEntry, kMaxGames> games{};
    for (std::size_t slot = 0; slot < games.size(); ++slot) {
        const std::size_t offset = kGamesOffset + slot * kGameSize;
        games[slot] = {readDouble(offset), readDouble(offset + 8)};
    }
    return games;
}

void PlayerRecord::setGames(const std::array<GameEntry, kMaxGames>& games) {
    for (std::size_t slot = 0; slot < games.size(); ++slot) {
        const std::size_t offset = kGamesOffset + slot * kGameSize;
        writeDouble(offset, games[slot].opponentRating);
        writeDouble(offset + 8, games[slot].score);
    }
}

std::int32_t PlayerRecord::system() const {
    return readInt32(kSystemOffset);
}

void PlayerRecord::setSystem(std::int32_t system) {
    writeInt32(kSystemOffset, system);
}

std::int32_t PlayerRecord::coefficient() const {
    return readInt32(kCoefficientOffset);
}

void PlayerRecord::setCoefficient(std::int32_t coefficient) {
    writeInt32(kCoefficientOffset, coefficient);
}

}  // namespace tavolin
