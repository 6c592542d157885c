#pragma once
// The language the suite speaks: its texts as designed (the default), or English. The windows
// and the command line both ask here, so a message says the same in either face.
#include <optional>
#include <string>
#include <string_view>

namespace ui {

enum class Language { AsDesigned, English };

// "as-designed" or "english" (any case), as --language and BRINKIT_LANGUAGE spell them.
std::optional<Language> languageNamed(std::string_view name);

// The message for a --language or BRINKIT_LANGUAGE value that names no language.
std::string unknownLanguageMessage(std::string_view where, std::string_view value);

// The process's language; AsDesigned until setLanguage says otherwise.
Language language();
void setLanguage(Language chosen);

// The text in the process's language: the text itself when it is as designed or has no other
// rendering. A whole message is looked up as it stands, then against the catalogue's messages
// with placeholders ("%1個のファイルが見つかりました" takes "5個のファイルが見つかりました"),
// whose English rendering gets the same parts.
std::string translated(std::string_view text);

// The English rendering of a text, whatever the process's language; nullopt when the catalogue
// has no finished entry for it (the completeness tests ask this).
std::optional<std::string> englishOf(std::string_view text);

}  // namespace ui
