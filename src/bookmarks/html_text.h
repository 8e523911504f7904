// Text inside HTML, as bookmark files hold it: character references decoded as HTML's
// tokenizer decodes them, and special characters escaped. Portable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decodes the character reference that begins at html[at], an "&", and appends its text;
// returns where the text after it starts. Named references take the whole table of HTML, with
// their ";" or the legacy names without it; numeric ones ("&#233;", "&#xE9;") need no ";". In an
// attribute's value a legacy name followed by "=" or a letter or digit is no reference
// ("?a=1&copy=2" keeps "&copy="). A number of no character (0, a surrogate, beyond U+10FFFF)
// gives U+FFFD, and 128 to 159 give the Windows-1252 characters of those bytes. An "&" that
// begins no reference is appended as it is and only it is consumed.
size_t AppendCharacterReference(std::string_view html, size_t at, bool inAttribute,
                                std::string& text);

// Appends text escaped for HTML text and double-quoted attribute values: & < > " become
// &amp; &lt; &gt; &quot;.
void AppendHtmlEscaped(std::string_view text, std::string& html);

// HTML's ASCII whitespace: tab, LF, FF, CR (which the input stream turns into LF) and space.
bool IsHtmlSpace(char c);

// True for the ASCII letters a to z and A to Z.
bool IsAsciiLetter(char c);

// True when text, from at (at most its size), begins with lowerWord (given in lower case),
// ignoring the case of ASCII letters in text.
bool StartsWithLower(std::string_view text, size_t at, std::string_view lowerWord);
