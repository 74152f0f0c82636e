// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/completion.h"

#include <algorithm>
#include <optional>

#include "base/command_matching.h"
#include "base/error_log.h"
#include "base/ip_arithmetic.h"
#include "catalogue/catalogue_check.h"

namespace kovrel {
namespace {

constexpr std::string_view kListPlaceholder = "<1-99>";

std::string typedTextOf(const Simulator& sim, std::string_view line) {
  const std::size_t promptLength = std::min(sim.state.current.prompt.size(), line.size());
  return std::string(line.substr(promptLength));
}

std::string withoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string joinWords(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  return text;
}

// The value of an access-list number the catalogue keeps as "<1-99>"; nothing for any other word.
std::optional<long long> listNumber(std::string_view word) {
  if (!isNumberInRange(word, 1, 99)) return std::nullopt;
  return numericValue(word);
}

std::vector<std::string> search(Simulator& sim, std::string_view operationName,
                                CatalogueTable table, std::string_view text,
                                const CatalogueFilter& filter = {}) {
  return trapped(
      sim, operationName,
      [&] {
        std::vector<std::string> commands;
        for (CatalogueRow& row : sim.database.searchCatalogue(table, text, filter)) {
          commands.push_back(std::move(row.cmd));
        }
        return commands;
      },
      std::vector<std::string>{});
}

// The typed part stays as typed when the rows agree; only the missing rest and a blank for the
// next word are added. Blanks the student typed after the last word would otherwise end up in the
// middle of the completed word ("sh " giving "sh ow "), so they give way to the added rest.
std::string finishTyped(std::string_view typedText, std::string_view addedRest) {
  return withoutTrailingBlanks(std::string(typedText)) + std::string(addedRest) + " ";
}

CatalogueFilter interfaceFilter(const Simulator& sim) {
  CatalogueFilter filter;
  if (sim.state.current.mode == CliMode::configIf) {
    filter.interfaceCode = catalogueInterfaceCode(sim.state.current.currentInterface);
  }
  return filter;
}

// Privileged mode searches abbreviated words of multi-word lines as the catalogue writes them:
// "sh" first is "show", and "int" is "interface" after "ip" or "cdp" and "interfaces" elsewhere.
std::string privilegedSearchText(std::vector<std::string> words) {
  if (words.front() == "sh") words.front() = "show";
  for (std::size_t i = 0; i + 1 < words.size(); ++i) {
    if (words[i] != "int") continue;
    const bool singular = i > 0 && (words[i - 1] == "ip" || words[i - 1] == "cdp");
    words[i] = singular ? "interface" : "interfaces";
  }
  return joinWords(words);
}

std::string userSearchText(std::vector<std::string> words) {
  if (words.front() == "sh") words.front() = "show";
  return joinWords(words);
}

std::string complete(std::string_view typedText, const std::vector<std::string>& rows,
                     std::string_view searchText) {
  const Completion completion = completeFromRows(rows, searchText);
  return completion.agree ? finishTyped(typedText, completion.addedRest) : completion.shared;
}

}  // namespace

Completion completeFromRows(const std::vector<std::string>& rows, std::string_view searchText) {
  Completion completion;
  const std::string& first = rows.front();
  std::size_t sharedLength = first.size();
  completion.agree = true;
  for (const std::string& row : rows) {
    const auto differ = std::mismatch(first.begin(), first.end(), row.begin(), row.end());
    const auto common = static_cast<std::size_t>(differ.first - first.begin());
    if (common < first.size()) completion.agree = false;
    sharedLength = std::min(sharedLength, common);
  }
  completion.shared = first.substr(0, sharedLength);
  if (completion.agree && completion.shared.size() > searchText.size()) {
    completion.addedRest = completion.shared.substr(searchText.size());
  }
  return completion;
}

std::string completePartialCommand(Simulator& sim, std::string_view line) {
  const RouterState& router = sim.state.current;
  const std::string typedText = typedTextOf(sim, line);
  std::string searchText = normalizeCommandLine(line, router.prompt);
  const std::vector<std::string> words = splitWords(searchText);
  if (words.empty()) return typedText;
  std::optional<CatalogueTable> table;
  if (words.size() == 1) {
    table = oneWordTable(router.mode);
  } else if (router.mode == CliMode::conf && words.front() == "access-list") {
    return completeAccessListCmd(sim, line);
  } else if (router.mode == CliMode::configIf &&
             (words.front() == "ip" ||
              (words.size() >= 3 && words[0] == "no" && words[1] == "ip"))) {
    return completeAccessGroupCmd(sim, line);
  } else {
    table = extendedTable(router.mode);
    if (router.mode == CliMode::priv) searchText = privilegedSearchText(words);
    if (router.mode == CliMode::user) searchText = userSearchText(words);
  }
  if (!table) return typedText;
  const auto rows = search(sim, "completePartialCommand", *table, searchText, interfaceFilter(sim));
  if (rows.empty()) return typedText;
  return complete(typedText, rows, searchText);
}

std::string completeAccessListCmd(Simulator& sim, std::string_view line) {
  const std::string typedText = typedTextOf(sim, line);
  std::vector<std::string> words = splitWords(normalizeCommandLine(line, sim.router().prompt));
  std::string numberText;
  if (words.size() >= 2) {
    if (const auto number = listNumber(words[1])) {
      numberText = "access-list " + std::to_string(*number);
      words[1] = kListPlaceholder;
    }
  }
  const std::string searchText = joinWords(words);
  const auto rows =
      search(sim, "completeAccessListCmd", CatalogueTable::confModeCmdsExtended, searchText);
  if (rows.empty()) return typedText;
  std::string result = complete(typedText, rows, searchText);
  if (!numberText.empty()) result = replaceAll(result, "access-list <1-99>", numberText);
  return result;
}

std::string completeAccessGroupCmd(Simulator& sim, std::string_view line) {
  const std::string& prompt = sim.router().prompt;
  const std::string typedText = typedTextOf(sim, line);
  std::vector<std::string> words = splitWords(normalizeCommandLine(line, prompt));
  std::string numberText;
  auto swapNumber = [&](std::size_t position) {
    if (const auto number = listNumber(words[position])) {
      numberText = std::to_string(*number);
      words[position] = kListPlaceholder;
    }
  };
  auto matches = [&](std::string_view pattern) {
    return matchCommand(line, pattern, prompt) == MatchResult::match;
  };
  // Only whole lines are swapped: the number of an unfinished line stays in the search.
  if (matches("ip access-group variable variable")) swapNumber(2);
  if (matches("no ip access-group variable") || matches("no ip access-group variable variable")) {
    swapNumber(3);
  }
  const std::string searchText = joinWords(words);
  const auto rows =
      search(sim, "completeAccessGroupCmd", CatalogueTable::ifModeCmdsExtended, searchText);
  if (rows.empty()) return typedText;
  const Completion completion = completeFromRows(rows, searchText);
  if (completion.agree) {
    const std::string rest = withoutTrailingBlanks(completion.addedRest);
    return replaceAll(finishTyped(typedText, rest), kListPlaceholder, numberText);
  }
  // Without a typed number the placeholder leaves a doubled blank behind; one blank stays.
  std::string shared = replaceAll(completion.shared, kListPlaceholder, numberText);
  if (shared.ends_with("  ")) shared = withoutTrailingBlanks(shared) + " ";
  return shared;
}

}  // namespace kovrel
