// Text inside HTML, as bookmark files hold it: character references decoded, and special
// characters escaped. Portable.
#pragma once

#include <string>
#include <string_view>

// Appends the text of HTML text or an attribute value (UTF-8) with its character references
// decoded: named ones of the set html_entities.h knows ("&amp;", "&eacute;"), always with
// their semicolon, and numeric ones ("&#233;", "&#xE9;"), whose semicolon may be missing.
// A reference to no character (0, a surrogate, beyond U+10FFFF) gives U+FFFD; 128 to 159 give
// the Windows-1252 characters of those bytes, as browsers read them. Anything else, an unknown
// name included, stays as it is written.
void AppendHtmlDecoded(std::string_view html, std::string& text);

// Appends text escaped for HTML text and double-quoted attribute values: & < > " become
// &amp; &lt; &gt; &quot;.
void AppendHtmlEscaped(std::string_view text, std::string& html);
