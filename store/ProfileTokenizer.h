// A profile file's lines as the system's parser splits them: the one reading of the file's grammar that
// the listing and the whole-file check share. The text is decoded as the reader decodes it; every
// line is trimmed of the parser's blanks, and blank lines are dropped.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The file's text as the reader decodes it: a byte-order mark picks UTF-8 or UTF-16 (and is not part
// of the text), any other file is in the ANSI code page.
std::wstring profileText(const std::string& fileBytes);

// A stretch of the decoded text.
struct Span {
    std::size_t begin = 0, end = 0;
    bool empty() const { return begin == end; }
};

// A "[" line with a "]" in it is a header naming the section between the first "[" and the last "]";
// a line with "=" is a key, named before its first "=" with its value after it; anything else is text.
// Names and values are trimmed of blanks; a key whose name starts with ";" is a comment to the reader.
struct ProfileLine {
    enum Kind { Header, Key, Text } kind;
    Span line, name, value;
};

struct ProfileTokens {
    std::wstring text;
    std::vector<ProfileLine> lines;

    std::wstring of(Span span) const { return text.substr(span.begin, span.end - span.begin); }
    // A name or value as the reader's C strings hold it: up to a NUL in the file.
    Span upToNul(Span span) const;
};

ProfileTokens tokenized(const std::string& fileBytes);
