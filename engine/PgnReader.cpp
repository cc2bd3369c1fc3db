// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnReader.h"

#include "PgnText.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "PgnScan.h"

namespace tavolin {

namespace {

constexpr std::size_t kLongestKept = kPgnLongestValue;
constexpr std::array<char, 3> kByteOrderMark{'\xEF', '\xBB', '\xBF'};

bool isNameCharacter(char c) {
    return pgnscan::isNameByte(c);
}

void keep(std::string& text, char c) {
    if (text.size() < kLongestKept) {
        text += c;
    }
}

// A length the compiler is not told the bounds of. Sure that a copy is short, it makes it
// with an instruction (rep movs) that takes longer to start on some processors than the C
// library takes to copy a tag value.
std::size_t unboundedLength(std::size_t length) {
#if defined(__GNUC__)
    asm("" : "+r"(length));
#endif
    return length;
}

void keepRun(std::string& text, const char* first, const char* last) {
    const auto room = kLongestKept - std::min(text.size(), kLongestKept);
    text.append(first, unboundedLength(std::min(static_cast<std::size_t>(last - first), room)));
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
                    at = pgnscan::movetextStop(at, end);
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
                at = pgnscan::valueStop(at, end);
                keepRun(tagValue_, run, at);
                break;
            }
            case State::TagName: {
                const char* run = at;
                at = pgnscan::nameStop(at, end);
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
    const char* const name = at + 1;
    const char* const nameEnd = pgnscan::nameStop(name, end);
    const char* p = nameEnd;
    while (p < end && (*p == ' ' || *p == '\t')) {
        ++p;
    }
    if (p == end || *p != '"' || nameEnd == name) {
        return nullptr;
    }
    const char* const value = ++p;
    p = pgnscan::valueStop(p, end);
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
        field->assign(value, unboundedLength(std::min(static_cast<std::size_t>(valueEnd - value),
                                                      kLongestKept)));
    }
    gameHasTags_ = true;
    ++p;
    // The line end that follows, read here as the byte-by-byte reading would read it: the
    // next tag is then read in the next call without a step in between.
    if (p < end && *p == '\n') {
        state_ = State::LineStart;
        return p + 1;
    }
    state_ = State::Text;
    return p;
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
            } else if (!isPgnBlank(c) && c != ']' && gameHasTags_) {  // a stray "]" is no move
                inMovetext_ = true;
            }
            return;
        case State::TagName:
            if (isNameCharacter(c)) {
                keep(tagName_, c);
            } else if (c == '"') {
                state_ = State::Value;
            } else if (c == '\n') {
                state_ = State::LineStart;  // a tag never spans lines: this one is lost
            } else if (isPgnBlank(c)) {
                // Blanks before the name ("[ White") are a slip; after it, the value comes.
                if (!tagName_.empty()) {
                    state_ = State::BeforeValue;
                }
            } else {
                state_ = State::DamagedTag;
            }
            return;
        case State::BeforeValue:
            if (c == '"') {
                state_ = State::Value;
            } else if (c == '\n') {
                state_ = State::LineStart;
            } else if (!isPgnBlank(c)) {
                state_ = State::DamagedTag;
            }
            return;
        case State::DamagedTag:
            // Only this tag is lost: the reading goes on after its "]" or its line.
            if (c == ']') {
                state_ = State::Text;
            } else if (c == '\n') {
                state_ = State::LineStart;
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
            if (c == ']' || c == '\n') {
                endTag();  // "]", or a tag that lacks it
                blanksAfterQuote_.clear();
                state_ = State::Text;
                if (c == '\n') {
                    step(c);
                }
            } else if (isPgnBlank(c)) {
                keep(blanksAfterQuote_, c);
            } else {
                // The quote was part of the value, unescaped ("The "Big" Open"): the value
                // goes on up to the quote that "]" follows.
                keep(tagValue_, '"');
                for (const char blank : blanksAfterQuote_) {
                    keep(tagValue_, blank);
                }
                blanksAfterQuote_.clear();
                state_ = State::Value;
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
    blanksAfterQuote_.clear();
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
        case State::DamagedTag:
            truncated_ = true;  // the file ends inside a tag, though one already lost
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

}  // namespace tavolin
