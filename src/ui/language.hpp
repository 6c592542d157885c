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

// The process's language; AsDesigned until setLanguage says otherwise.
Language language();
void setLanguage(Language chosen);

// The text in the process's language: the text itself when it is as designed or has no other
// rendering.
std::string translated(std::string_view text);

}  // namespace ui
