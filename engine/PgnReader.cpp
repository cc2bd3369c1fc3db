#include "PgnReader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tavolin {

namespace {

constexpr std::size_t kLongestKept = 255;  // PGN's own limit for a tag value
constexpr std::array<char, 3> kByteOrderMark{'\xEF', '\xBB', '\xBF'};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

void keep(std::string& text, char c) {
    if (text.size() < kLongestKept) {
        text += c;
    }
}

void keepRun(std::string& text, const char* first, const char* last) {
    const auto room = kLongestKept - std::min(text.size(), kLongestKept);
    text.append(first, std::min(static_cast<std::size_t>(last - first), room));
}

}  // namespace

void PgnReader::feed(std::string_view bytes) {
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        if (atFileStart_) {
            if (byteOrderMarkSeen_ < kByteOrderMark.size() &&
                *at == kByteOrderMark[byteOrderMarkSeen_]) {
                ++byteOrderMarkSeen_;
                ++at;
                continue;
            }
            atFileStart_ = false;
        }
        const auto skipTo = [&](char wanted) {
            const void* found = std::memchr(at, wanted, static_cast<std::size_t>(end - at));
            at = found != nullptr ? static_cast<const char*>(found) : end;
        };
        if ((state_ == State::Text || state_ == State::LineStart) && *at == '[') {
            if (const char* after = wholeTag(at, end)) {
                at = after;
                continue;
            }
        }
        switch (state_) {
            case State::Text:
                // Blanks and moves change nothing once the movetext has begun (or before any
                // tag); between a game's tags the first move must be seen.
                if (inMovetext_ || !gameHasTags_) {
                    // The nearest of the four, each found by memchr: far faster than a
                    // loop over the bytes, as moves run long between them.
                    const char* next = end;
                    for (const char wanted : {'\n', '[', '{', ';'}) {
                        const void* found =
                            std::memchr(at, wanted, static_cast<std::size_t>(next - at));
                        if (found != nullptr) {
                            next = static_cast<const char*>(found);
                        }
                    }
                    at = next;
                }
                break;
            case State::LineComment:
                skipTo('\n');
                break;
            case State::BraceComment:
                skipTo('}');
                break;
            case State::Value: {
                // A value's plain characters, kept in one piece.
                const char* run = at;
                while (at < end && *at != '"' && *at != '\\' && *at != '\n') {
                    ++at;
                }
                keepRun(tagValue_, run, at);
                break;
            }
            case State::TagName: {
                const char* run = at;
                while (at < end && isNameCharacter(*at)) {
                    ++at;
                }
                keepRun(tagName_, run, at);
                break;
            }
            default:
                break;
        }
        if (at < end) {
            step(*at++);
        }
    }
}

// A tag pair written plainly, [Name "value"], all within `[at, end)`: read in one go, as
// most tags are. Anything else (an escape, a line end, the buffer's end) is left to the
// byte-by-byte reading: nothing is returned.
const char* PgnReader::wholeTag(const char* at, const char* end) {
    const char* p = at + 1;
    const char* const name = p;
    while (p < end && isNameCharacter(*p)) {
        ++p;
    }
    const char* const nameEnd = p;
    while (p < end && (*p == ' ' || *p == '\t')) {
        ++p;
    }
    if (p == end || *p != '"' || nameEnd == name) {
        return nullptr;
    }
    const char* const value = ++p;
    while (p < end && *p != '"' && *p != '\\' && *p != '\n') {
        ++p;
    }
    if (p == end || *p != '"') {
        return nullptr;
    }
    const char* const valueEnd = p++;
    while (p < end && (*p == ' ' || *p == '\t')) {
        ++p;
    }
    if (p == end || *p != ']') {
        return nullptr;
    }
    if (inMovetext_) {
        handOver();
    }
    if (std::string* field = tagField({name, static_cast<std::size_t>(nameEnd - name)})) {
        field->assign(value, std::min(static_cast<std::size_t>(valueEnd - value), kLongestKept));
    }
    gameHasTags_ = true;
    state_ = State::Text;
    return p + 1;
}

void PgnReader::step(char c) {
    switch (state_) {
        case State::LineStart:
            if (c == '%') {
                state_ = State::LineComment;
                return;
            }
            state_ = State::Text;
            step(c);
            return;
        case State::Text:
            if (c == '\n') {
                state_ = State::LineStart;
            } else if (c == '[') {
                startTag();
            } else if (c == '{') {
                state_ = State::BraceComment;
            } else if (c == ';') {
                state_ = State::LineComment;
            } else if (!isBlank(c) && gameHasTags_) {
                inMovetext_ = true;
            }
            return;
        case State::TagName:
            if (isNameCharacter(c)) {
                keep(tagName_, c);
            } else if (c == '"') {
                state_ = State::Value;
            } else if (isBlank(c)) {
                state_ = State::BeforeValue;
            } else {
                state_ = State::Text;  // not a tag after all: junk
                step(c);
            }
            return;
        case State::BeforeValue:
            if (c == '"') {
                state_ = State::Value;
            } else if (!isBlank(c)) {
                state_ = State::Text;
                step(c);
            }
            return;
        case State::Value:
            if (c == '\\') {
                state_ = State::ValueEscape;
            } else if (c == '"') {
                state_ = State::AfterValue;
            } else if (c == '\n') {
                state_ = State::LineStart;  // a value never spans lines: junk
            } else {
                keep(tagValue_, c);
            }
            return;
        case State::ValueEscape:
            keep(tagValue_, c);
            state_ = State::Value;
            return;
        case State::AfterValue:
            if (isBlank(c) && c != '\n') {
                return;
            }
            endTag();  // "]", or a tag that lacks it
            state_ = State::Text;
            if (c != ']') {
                step(c);
            }
            return;
        case State::BraceComment:
            if (c == '}') {
                state_ = State::Text;
            }
            return;
        case State::LineComment:
            if (c == '\n') {
                state_ = State::LineStart;
            }
            return;
    }
}

void PgnReader::startTag() {
    // A tag after the movetext starts the next game.
    if (inMovetext_) {
        handOver();
    }
    tagName_.clear();
    tagValue_.clear();
    state_ = State::TagName;
}

void PgnReader::handOver() {
    onGame_(game_);
    // Emptied, not replaced: the next game's tags reuse the memory.
    for (std::string* tag : {&game_.white, &game_.black, &game_.whiteElo, &game_.blackElo,
                             &game_.result, &game_.date, &game_.event, &game_.round}) {
        tag->clear();
    }
    gameHasTags_ = false;
    inMovetext_ = false;
}

std::string* PgnReader::tagField(std::string_view tagName) {
    switch (tagName.size()) {
        case 4:
            return tagName == "Date" ? &game_.date : nullptr;
        case 5:
            return tagName == "White"   ? &game_.white
                   : tagName == "Black" ? &game_.black
                   : tagName == "Event" ? &game_.event
                   : tagName == "Round" ? &game_.round
                                        : nullptr;
        case 6:
            return tagName == "Result" ? &game_.result : nullptr;
        case 8:
            return tagName == "WhiteElo"   ? &game_.whiteElo
                   : tagName == "BlackElo" ? &game_.blackElo
                                           : nullptr;
        default:
            return nullptr;
    }
}

void PgnReader::endTag() {
    if (std::string* field = tagField(tagName_)) {
        field->swap(tagValue_);
    }
    gameHasTags_ = true;
}

bool PgnReader::finish() {
    switch (state_) {
        case State::TagName:
        case State::BeforeValue:
        case State::Value:
        case State::ValueEscape:
            truncated_ = true;  // the last game's tags are cut: it is not handed over
            return false;
        case State::BraceComment:
            truncated_ = true;  // the tags are whole; only the moves are cut
            break;
        case State::AfterValue:
            endTag();
            break;
        default:
            break;
    }
    if (gameHasTags_) {
        handOver();
        return true;
    }
    return false;
}

bool readPgn(std::istream& in, PgnReader& reader,
             const std::function<bool(std::uint64_t bytesRead)>& progress) {
    std::array<char, 64 * 1024> buffer;
    std::uint64_t total = 0;
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count == 0) {
            break;
        }
        reader.feed({buffer.data(), count});
        total += count;
        if (progress && !progress(total)) {
            return false;
        }
    }
    reader.finish();
    return true;
}

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t utf8SequenceAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(k) < 0x80 || byte(k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8SequenceAt(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

}  // namespace

std::string pgnTextAsUtf8(std::string_view raw) {
    if (isUtf8(raw)) {
        return std::string(raw);
    }
    std::string text;
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (b >> 6));
            text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return text;
}

std::string comparableName(std::string_view utf8Name) {
    std::string name;
    bool blankPending = false;
    for (std::size_t at = 0; at < utf8Name.size(); ++at) {
        char c = utf8Name[at];
        if (isBlank(c)) {
            blankPending = !name.empty() && name.back() != ',';
            continue;
        }
        if (blankPending) {
            name += ' ';
            blankPending = false;
        }
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        } else if (c == '\xC3' && at + 1 < utf8Name.size()) {
            // Latin-1 capitals À to Þ (but ×) are U+00C0 to U+00DE: C3 80 to C3 9E.
            const auto next = static_cast<unsigned char>(utf8Name[at + 1]);
            name += c;
            name += static_cast<char>(next >= 0x80 && next <= 0x9E && next != 0x97 ? next + 0x20
                                                                                   : next);
            ++at;
            continue;
        }
        name += c;
    }
    return name;
}

}  // namespace tavolin
