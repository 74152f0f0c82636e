// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <charconv>

#include "base/command_matching.h"
#include "base/error_log.h"
#include "base/simulator.h"
#include "catalogue/catalogue_check.h"
#include "catalogue/grammar.h"

namespace kovrel {
namespace {

constexpr std::uint8_t kEveryInterface = 0b111;
constexpr std::string_view kRepeats = "...";
constexpr int kTableCount = static_cast<int>(CatalogueTable::configRouterIgrpModeCmdsExtended) + 1;
constexpr CliMode kCommandModes[] = {CliMode::user,
                                     CliMode::priv,
                                     CliMode::conf,
                                     CliMode::configIf,
                                     CliMode::configLine,
                                     CliMode::configRouterRip,
                                     CliMode::configRouterIgrp};

std::optional<std::pair<long long, long long>> rangeOf(std::string_view word) {
  if (word.size() < 5 || word.front() != '<' || word.back() != '>') return std::nullopt;
  const auto dash = word.find('-', 2);
  if (dash == std::string_view::npos) return std::nullopt;
  long long low = 0;
  long long high = 0;
  const char* end = word.data() + word.size() - 1;
  const auto first = std::from_chars(word.data() + 1, word.data() + dash, low);
  const auto second = std::from_chars(word.data() + dash + 1, end, high);
  if (first.ec != std::errc() || second.ec != std::errc() || second.ptr != end) return std::nullopt;
  return std::pair{low, high};
}

// A word of a pattern or of a catalogue row as the node it stands for (without its children).
GrammarNode nodeOf(std::string_view word) {
  GrammarNode node;
  node.repeats = word.size() > kRepeats.size() && word.ends_with(kRepeats);
  if (node.repeats) word.remove_suffix(kRepeats.size());
  node.text = std::string(word);
  if (word == "A.B.C.D") {
    node.kind = NodeKind::address;
  } else if (word == "MASK") {
    node.kind = NodeKind::mask;
    node.text = "A.B.C.D";
  } else if (word == "ROUTEMASK") {
    node.kind = NodeKind::routeMask;
    node.text = "A.B.C.D";
  } else if (word == "WORD") {
    node.kind = NodeKind::word;
  } else if (word == "LINE") {
    node.kind = NodeKind::line;
  } else if (const auto range = rangeOf(word)) {
    node.kind = NodeKind::number;
    std::tie(node.low, node.high) = *range;
  } else {
    node.text = toLower(word);
  }
  return node;
}

/// Adds the nodes of one row or pattern to a grammar.
class GrammarBuilder {
 public:
  explicit GrammarBuilder(ModeGrammar& grammar) : grammar_(grammar) {
    if (grammar_.nodes.empty()) grammar_.nodes.emplace_back();
  }

  // Catalogue rows name the interfaces a keyword exists on; a form's words exist wherever the
  // catalogue puts them, and everywhere when the catalogue does not know them.
  std::uint32_t addPath(std::string_view path, std::optional<std::uint8_t> interfaces) {
    std::uint32_t at = 0;
    for (const std::string& word : splitWords(path)) {
      GrammarNode wanted = nodeOf(word);
      const auto found = findChild(at, wanted);
      if (found) {
        at = *found;
        if (interfaces) grammar_.nodes[at].interfaces |= *interfaces;
        continue;
      }
      wanted.interfaces = interfaces.value_or(kEveryInterface);
      at = addChild(at, std::move(wanted));
    }
    return at;
  }

  void addForm(const CommandForm& form) {
    const std::uint32_t at = addPath(form.pattern, std::nullopt);
    GrammarNode& node = grammar_.nodes[at];
    if (node.form == nullptr) node.form = &form;
  }

  bool markCarriedOut(std::uint32_t at) {
    GrammarNode& node = grammar_.nodes[at];
    bool below = node.form != nullptr || node.jumpsTo.has_value();
    for (const std::uint32_t child : std::vector(node.children)) {
      if (child != at && markCarriedOut(child)) below = true;
    }
    grammar_.nodes[at].carriedOut = below;
    return below;
  }

 private:
  std::optional<std::uint32_t> findChild(std::uint32_t at, const GrammarNode& wanted) const {
    for (const std::uint32_t child : grammar_.nodes[at].children) {
      const GrammarNode& node = grammar_.nodes[child];
      if (node.kind == wanted.kind && node.text == wanted.text) return child;
    }
    return std::nullopt;
  }

  std::uint32_t addChild(std::uint32_t at, GrammarNode node) {
    const auto index = static_cast<std::uint32_t>(grammar_.nodes.size());
    const bool repeats = node.repeats;
    grammar_.nodes.push_back(std::move(node));
    grammar_.nodes[at].children.push_back(index);
    if (repeats) grammar_.nodes[index].children.push_back(index);
    return index;
  }

  ModeGrammar& grammar_;
};

std::uint8_t interfaceMask(const CatalogueRow& row, CatalogueTable table) {
  if (!catalogueTableHasInterfaceColumn(table)) return kEveryInterface;
  std::uint8_t mask = 0;
  for (const char code : row.interfaceCodes) {
    if (code >= '0' && code <= '2') mask |= static_cast<std::uint8_t>(1u << (code - '0'));
  }
  return mask;
}

void addRows(GrammarBuilder& builder, const std::vector<std::vector<CatalogueRow>>& rowsByTable,
             std::optional<CatalogueTable> table) {
  if (!table) return;
  const auto index = static_cast<std::size_t>(*table);
  if (index >= rowsByTable.size()) return;
  for (const CatalogueRow& row : rowsByTable[index]) {
    builder.addPath(row.cmd, interfaceMask(row, *table));
  }
}

}  // namespace

std::shared_ptr<const CommandGrammars> buildCommandGrammars(
    const std::vector<std::vector<CatalogueRow>>& rowsByTable,
    std::span<const ModeCommands> commands) {
  auto grammars = std::make_shared<CommandGrammars>();
  for (const CliMode mode : kCommandModes) {
    ModeGrammar& grammar = grammars->modes[static_cast<std::size_t>(mode)];
    GrammarBuilder builder(grammar);
    addRows(builder, rowsByTable, oneWordTable(mode));
    addRows(builder, rowsByTable, extendedTable(mode));
    for (const ModeCommands& entry : commands) {
      if (entry.mode != mode) continue;
      for (const auto& group : entry.forms) {
        for (const CommandForm& form : group) builder.addForm(form);
      }
      if (entry.doMode) grammar.nodes[builder.addPath("do", std::nullopt)].jumpsTo = entry.doMode;
    }
    builder.markCarriedOut(0);
  }
  // Outside a session no word is known, but every walk still starts at a root.
  for (ModeGrammar& grammar : grammars->modes) {
    if (grammar.nodes.empty()) grammar.nodes.emplace_back();
  }
  return grammars;
}

std::shared_ptr<const CommandGrammars> buildCommandGrammars(
    Simulator& sim, std::span<const ModeCommands> commands) {
  std::vector<std::vector<CatalogueRow>> rowsByTable(kTableCount);
  for (int table = 0; table < kTableCount; ++table) {
    rowsByTable[static_cast<std::size_t>(table)] = trapped(
        sim, "buildCommandGrammars",
        [&] { return sim.database.searchCatalogue(static_cast<CatalogueTable>(table), ""); },
        std::vector<CatalogueRow>{});
  }
  return buildCommandGrammars(rowsByTable, commands);
}

}  // namespace kovrel
