// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/command_forms.h"

#include <algorithm>

#include "base/output.h"

namespace kovrel {
namespace {

constexpr std::string_view kAnyFurtherWords = " ...";

std::string joinWords(std::span<const std::string> words) {
  std::string text;
  for (const std::string& word : words) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  return text;
}

}  // namespace

FormOutcome refuseValue(Simulator& sim) {
  invalidInput(sim);
  return FormOutcome::done;
}

MatchResult matchForm(const Words& words, std::string_view pattern) {
  if (pattern.ends_with(kAnyFurtherWords)) {
    pattern.remove_suffix(kAnyFurtherWords.size());
    const auto fixedWords =
        static_cast<std::size_t>(std::count(pattern.begin(), pattern.end(), ' ') + 1);
    if (words.size() > fixedWords) {
      return matchCommand(joinWords(std::span(words).first(fixedWords)), pattern, "");
    }
  }
  // With an empty prompt the whole text is the command text.
  return matchCommand(joinWords(words), pattern, "");
}

bool applyFirstForm(Simulator& sim, const Words& words, std::span<const CommandForm> forms) {
  for (const CommandForm& form : forms) {
    if (matchForm(words, form.pattern) != MatchResult::match) continue;
    if (form.action(sim, words) == FormOutcome::done) return true;
  }
  return false;
}

std::size_t formMatchedWords(const Words& words, std::string_view pattern) {
  const bool open = pattern.ends_with(kAnyFurtherWords);
  if (open) pattern.remove_suffix(kAnyFurtherWords.size());
  const std::size_t count = matchedWordCount(words, pattern);
  const bool allFixedWords = count == splitWords(pattern).size();
  return open && allFixedWords ? words.size() : count;
}

void answerUnmatched(Simulator& sim, const Words& words, std::span<const CommandForm> forms) {
  std::size_t furthest = 0;
  for (const CommandForm& form : forms) {
    furthest = std::max(furthest, formMatchedWords(words, form.pattern));
  }
  markUnmatchedWord(sim, furthest, words.size());
  const bool incomplete =
      std::any_of(forms.begin(), forms.end(), [&words](const CommandForm& form) {
        return form.prefix == Prefix::incomplete &&
               matchForm(words, form.pattern) == MatchResult::incomplete;
      });
  if (incomplete) {
    incompleteCommand(sim);
  } else {
    invalidInput(sim);
  }
}

void runCommandForms(Simulator& sim, const Words& words, std::span<const CommandForm> forms) {
  if (!applyFirstForm(sim, words, forms)) answerUnmatched(sim, words, forms);
}

}  // namespace kovrel
