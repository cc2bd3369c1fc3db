// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tavolin {

// PGN's own limit for a tag value, in bytes.
inline constexpr std::size_t kPgnLongestValue = 255;

// The tags of one game of a PGN file that the import needs, as raw bytes of the file.
struct PgnGameTags {
    std::string white, black, whiteElo, blackElo, result, date, event, round;
    bool operator==(const PgnGameTags&) const = default;
};

// Reads the tag pairs of each game of a PGN file as its bytes arrive, skipping the movetext
// (comments in braces and after ";", "%" escape lines, variations, glyphs), in constant
// memory whatever the file's size: a tag value is kept up to 255 bytes, as PGN allows.
// A game is handed over when the next one starts or the file ends. A damaged tag (blanks
// inside its brackets, a quote left unescaped in its value, junk in its name) loses at most
// itself, and a stray "]" is passed over, as the most forgiving readers do.
class PgnReader {
public:
    using GameHandler = std::function<void(const PgnGameTags&)>;
    explicit PgnReader(GameHandler onGame) : onGame_(std::move(onGame)) {}

    void feed(std::string_view bytes);
    // The end of the file: hands over the last game, unless the file ends inside one of its
    // tags (a damaged file), and says whether it did.
    bool finish();

    // Whether the file ended inside a tag, a string or a comment.
    bool truncated() const { return truncated_; }

private:
    enum class State {
        LineStart,     // at the start of a line (a "%" here escapes the line)
        Text,          // between tags, or in the movetext
        TagName,       // after "["
        BeforeValue,   // after the tag's name
        Value,         // inside the value's quotes
        ValueEscape,   // after a backslash in the value
        AfterValue,    // after the closing quote, before "]"
        DamagedTag,    // a tag that cannot be read, up to its "]" or its line's end
        BraceComment,  // "{ ... }"
        LineComment,   // "; ..." or a "%" line, to the end of the line
    };

    void step(char c);
    const char* wholeTag(const char* at, const char* end);
    void startTag();
    void endTag();
    void handOver();
    std::string* tagField(std::string_view tagName);

    GameHandler onGame_;
    State state_ = State::LineStart;
    PgnGameTags game_;
    bool gameHasTags_ = false;
    bool inMovetext_ = false;
    std::string tagName_;
    std::string tagValue_;
    std::string blanksAfterQuote_;  // in AfterValue: they belong to the value if it goes on
    bool truncated_ = false;
    bool atFileStart_ = true;
    std::size_t byteOrderMarkSeen_ = 0;
};

}  // namespace tavolin
